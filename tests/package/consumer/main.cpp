// SPDX-License-Identifier: BSD-3-Clause
#include <TORVASyslib/CivIconView.h>
#include <TORVASyslib/CwsDirectoryIcon.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CivIconView view;
    CwsDirectoryIcon root(&view, "root", nullptr, 0, 0, 0);
    auto* folder = new CwsDirectoryIcon(&view, "Programme", &root, 0, 0, 1);
    if (!root.AddChild(folder, true))
        return 1;
    folder->AddChild(new CwsIcon(&view, "Editor", "editor", "", IconUser, 0, 0, 1, folder), true);
    folder->ShowDirectory();
    std::printf("%d items shown\n", view.count());
    return view.count() == 2 ? 0 : 1;
}

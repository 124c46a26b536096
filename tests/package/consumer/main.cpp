// SPDX-License-Identifier: BSD-3-Clause
#include <TORVASyslib/CivIconView.h>
#include <TORVASyslib/CwsDirectoryIcon.h>
#include <TORVASyslib/torvasyslib_version.h>

#include <QApplication>

#include <cstdio>
#include <cstring>

static_assert(TORVASYSLIB_VERSION >= TORVASYSLIB_VERSION_CHECK(1, 0, 0), "version 1 or later");

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
    std::printf("TORVASyslib %s: %d items shown\n", TORVASYSLIB_VERSION_STRING, view.count());
    return view.count() == 2 && std::strcmp(TORVASYSLIB_VERSION_STRING, VERSION) == 0 ? 0 : 1;
}

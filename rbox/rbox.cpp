#include "rbox.h"

#include <utility>

rbox::rbox(QString p_qstrFileName)
    : m_qstrFileName(std::move(p_qstrFileName))
{ }

rbox::~rbox() = default;

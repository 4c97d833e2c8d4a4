// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/program_control.h"

#include <stdexcept>

namespace kok::face {
namespace {

ProgramControl* installed = nullptr;

} // namespace

ProgramControl& program() {
    if (!installed) throw std::logic_error("No program control was handed in at start.");
    return *installed;
}

ProgramControlInstall::ProgramControlInstall(ProgramControl& control) : previous_(installed) {
    installed = &control;
}

ProgramControlInstall::~ProgramControlInstall() {
    installed = previous_;
}

} // namespace kok::face

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the program's messages with OK while it lives and keeps what they
// said in `texts` and `captions`; other questions may be scripted on it too
// (see scripted_answers.h). It answers at once: no event loop is needed.

#include "support/scripted_answers.h"

namespace kok::test {

class MessageCatcher : public ScriptedAnswers {};

} // namespace kok::test

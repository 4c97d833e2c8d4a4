// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kok::face {

// The first argument of an instance that a restart started.
inline constexpr const char* kRebootSwitch = "/reboot";

// What only the program's top (src/app) can do, offered to the parts below it:
// ending the program and starting it afresh.
class ProgramControl {
  public:
    // Starts a fresh instance with "/reboot" and ends this one.
    virtual void restartProgram() = 0;
    // After a skin failed to load: hides the Clock window, puts the built-in
    // skin back and restarts, or says that the program ends (`fallbackFailed`:
    // the built-in skin failed in an instance a restart started).
    virtual void restartWithDefaultSkin(QWidget* clockWindow, bool fallbackFailed) = 0;
    // Ends the application once the current handler has finished.
    virtual void requestTermination() = 0;
    virtual bool terminationRequested() const = 0;

  protected:
    ~ProgramControl() = default;
};

// The control the top handed in at start. Asking before that is a fault of
// the program and throws std::logic_error.
ProgramControl& program();

// Hands `control` in for the lifetime of this object (the program's entry
// and the entries of the widget tests); the previous one comes back after.
class ProgramControlInstall {
  public:
    explicit ProgramControlInstall(ProgramControl& control);
    ~ProgramControlInstall();
    ProgramControlInstall(const ProgramControlInstall&) = delete;
    ProgramControlInstall& operator=(const ProgramControlInstall&) = delete;

  private:
    ProgramControl* previous_;
};

} // namespace kok::face

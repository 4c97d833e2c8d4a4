// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace kok::dialog {

// Gives every control under `root` that has no accessible name of its own
// one that a screen reader can speak: the label that is its buddy or stands
// beside it, else the title of its group; in a group with several fields of
// one kind, the group's title and the field's caption. Buttons with a
// caption of words are named by it already.
// Titles and captions a reader would spell out are named in words too;
// the arrows beside a number field (see markArrows) after their field.
void nameControls(QWidget* root);

// Controls of one page that would be read alike ("ВСТРОЕННАЯ ТЕМА" of each
// family) are named after their group too, and groups of one title after
// the field they hold. Call it after nameControls().
void tellControlsApart(QWidget* page);

// A caption as a reader should say it: letters spread out for looks joined
// into words again, look-alike letters of the other alphabet ("ЬI", the "Ш"
// of "ШiNDOШS") read as the word's own, blanks made single.
QString spokenText(const QString& text);

// Tells nameControls() that `arrows` step `field`.
void markArrows(QWidget* arrows, QWidget* field);

// What the small buttons (and clickable panels) beside the pages' fields do,
// as their tooltip and accessible name.
enum class SmallButton {
    PlaySound,
    RunProgram,
    PlayBeep,
    ChooseSound,
    ChooseProgram,
    ChooseColour,
    ChoosePicture,
    ChooseFont,
    ChooseBackgroundColour, // the first of two colours on one page
    ChooseTextColour,       // the second
};
void describeButton(QWidget* button, SmallButton kind);

// The caption of a field that has no label of words beside it (the hours of
// "[12]:[00]:[00]"); nameControls() puts it after the group's title.
enum class FieldCaption {
    Hours,
    Minutes,
    Seconds,
    Day,
    Month,
    Message,
    FirstWarning,
    SecondWarning
};
void setFieldCaption(QWidget* field, FieldCaption caption);

} // namespace kok::dialog

#pragma once

class QFileDialog;

// The file dialogs at the window's scale: Qt draws its own file dialog in
// the application font at its own default size, which at scale 2.0 leaves a
// dialog of 1.0 size whose names are cut short. Gives a dialog the language
// font at the current scale and a size that grows with the scale.
namespace FileDialogLook {

// Design size of a file dialog (units of the 999 x 640 window).
constexpr int kDesignWidth = 620;
constexpr int kDesignHeight = 400;

void apply(QFileDialog &dialog);

} // namespace FileDialogLook

#pragma once

class QWidget;

// A language written from right to left reads a window as its mirror image. Qt mirrors
// what it lays out itself (the menu bar, the boxes and prompts, the alignment of text);
// the windows' fixed geometry is mirrored here: a control placed at some distance from
// its container's left edge stands at that distance from the right edge instead, and a
// text aligned to one side is aligned to the other.
class MirroredLayout {
public:
    // Mirrors the fixed controls of `window`, once it is built and sized, when it is laid
    // out from right to left; otherwise leaves it exactly as designed.
    static void apply(QWidget* window);
};

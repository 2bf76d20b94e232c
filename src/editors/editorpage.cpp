#include "editorpage.h"

EditorPage::~EditorPage() = default;

int EditorPage::buttonPageHeight(int buttonCount) { return buttonCount > 9 ? 50 * buttonCount + 20 : 440; }

#pragma once

// The four tabs of the main window, in the order of their buttons. The pages
// say which tab they belong to; the window shows the pages of the tab chosen.
enum class PageTab { Lighting = 0, Customize = 1, Performance = 2, Macro = 3 };

constexpr int kPageTabCount = 4;

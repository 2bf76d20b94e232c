#include "keytables.h"

#include "langconfig.h"
#include "productdescriptor.h"
#include "typedname.h"

#include <algorithm>

namespace {

struct KeyNameEntry {
    int code;
    const char *name;     // UTF-8
    const char *french;   // UTF-8; nullptr where the AZERTY label is the same
};

// Every key code that has a name. Codes missing here (0, 84..86, 89, 90,
// 94..223, above 242) have the empty name.
constexpr KeyNameEntry kKeyNames[] = {
    {1, "Esc", "Echap"},
    {2, "1", "&"},
    {3, "2", "é"},
    {4, "3", "\""},
    {5, "4", "'"},
    {6, "5", "("},
    {7, "6", "-"},
    {8, "7", "è"},
    {9, "8", "_"},
    {10, "9", "ç"},
    {11, "0", "à"},
    {12, "-", ")"},
    {13, "=", nullptr},
    {14, "Backspace", "Ret.arr"},
    {15, "Tab", nullptr},
    {16, "Q", "a"},
    {17, "W", "z"},
    {18, "E", "e"},
    {19, "R", "r"},
    {20, "T", "t"},
    {21, "Y", "y"},
    {22, "U", "u"},
    {23, "I", "i"},
    {24, "O", "o"},
    {25, "P", "p"},
    {26, "[", "^"},
    {27, "]", "$"},
    {28, "Enter", "Entree"},
    {29, "LCtr", "LCtrl"},
    {30, "A", "q"},
    {31, "S", "s"},
    {32, "D", "d"},
    {33, "F", "f"},
    {34, "G", "g"},
    {35, "H", "h"},
    {36, "J", "j"},
    {37, "K", "k"},
    {38, "L", "l"},
    {39, ";", "m"},
    {40, "'", "ù"},
    {41, "`", "²"},
    {42, "LShift", nullptr},
    {43, "\\", "*"},
    {44, "Z", "w"},
    {45, "X", "x"},
    {46, "C", "c"},
    {47, "V", "v"},
    {48, "B", "b"},
    {49, "N", "n"},
    {50, "M", ","},
    {51, ",", ";"},
    {52, ".", ":"},
    {53, "/", "!"},
    {54, "RShift", nullptr},
    {55, "Print Screen", nullptr},
    {56, "LAlt", nullptr},
    {57, "Space", "espace"},
    {58, "CapsLock", "Verr.maj"},
    {59, "F1", nullptr},
    {60, "F2", nullptr},
    {61, "F3", nullptr},
    {62, "F4", nullptr},
    {63, "F5", nullptr},
    {64, "F6", nullptr},
    {65, "F7", nullptr},
    {66, "F8", nullptr},
    {67, "F9", nullptr},
    {68, "F10", nullptr},
    {69, "Pause Break", nullptr},
    {70, "Scroll Lock", nullptr},
    {71, "Home", nullptr},
    {72, "Up", nullptr},
    {73, "Page Up", nullptr},
    {74, "Num -", nullptr},
    {75, "Left", nullptr},
    {76, "Num 5", nullptr},
    {77, "Right", nullptr},
    {78, "Num +", nullptr},
    {79, "End", nullptr},
    {80, "Down", nullptr},
    {81, "Page Down", nullptr},
    {82, "Insert", nullptr},
    {83, "Delete", nullptr},
    {87, "F11", nullptr},
    {88, "F12", nullptr},
    {91, "LWindows", nullptr},
    {92, "RWindows", nullptr},
    {93, "App", nullptr},
    {224, "Num De", "Num Del"},
    {225, "Num Lock", nullptr},
    {226, "Num /", nullptr},
    {227, "Num *", nullptr},
    {228, "Num 9", nullptr},
    {229, "Num Enter", nullptr},
    {230, "Num 1", nullptr},
    {231, "Num 2", nullptr},
    {232, "Num 3", nullptr},
    {233, "Num 4", nullptr},
    {234, "Num 6", nullptr},
    {235, "Num 7", nullptr},
    {236, "Num 8", nullptr},
    {237, "Num 0", nullptr},
    {238, "RCtr", "RCtrl"},
    {239, "RAlt", nullptr},
    {240, "Left Button", nullptr},
    {241, "Right Button", nullptr},
    {242, "Middle Button", nullptr},
};

// Key code -> HID keyboard usage (keyboard/keypad page). The order is the
// one the lookups scan; neither column repeats a value.
constexpr std::array<KeyUsagePair, kKeyUsagePairCount> kKeyUsages = {{
    {30, 4},    {48, 5},    {46, 6},    {32, 7},    {18, 8},    {33, 9},    {34, 10},   {35, 11},
    {23, 12},   {36, 13},   {37, 14},   {38, 15},   {50, 16},   {49, 17},   {24, 18},   {25, 19},
    {16, 20},   {19, 21},   {31, 22},   {20, 23},   {22, 24},   {47, 25},   {17, 26},   {45, 27},
    {21, 28},   {44, 29},   {2, 30},    {3, 31},    {4, 32},    {5, 33},    {6, 34},    {7, 35},
    {8, 36},    {9, 37},    {10, 38},   {11, 39},   {28, 40},   {1, 41},    {14, 42},   {15, 43},
    {57, 44},   {12, 45},   {13, 46},   {26, 47},   {27, 48},   {43, 49},   {39, 51},   {40, 52},
    {41, 53},   {51, 54},   {52, 55},   {53, 56},   {58, 57},   {59, 58},   {60, 59},   {61, 60},
    {62, 61},   {63, 62},   {64, 63},   {65, 64},   {66, 65},   {67, 66},   {68, 67},   {87, 68},
    {88, 69},   {55, 70},   {70, 71},   {69, 72},   {82, 73},   {71, 74},   {73, 75},   {83, 76},
    {79, 77},   {81, 78},   {77, 79},   {75, 80},   {80, 81},   {72, 82},   {225, 83},  {226, 84},
    {227, 85},  {74, 86},   {78, 87},   {229, 88},  {230, 89},  {231, 90},  {232, 91},  {233, 92},
    {76, 93},   {234, 94},  {235, 95},  {236, 96},  {228, 97},  {237, 98},  {224, 99},  {93, 101},
    {42, 225},  {29, 224},  {91, 227},  {56, 226},  {239, 230}, {92, 231},  {238, 228}, {54, 229},
}};

const KeyNameEntry *findKeyName(int code)
{
    const auto it = std::find_if(std::begin(kKeyNames), std::end(kKeyNames),
                                 [code](const KeyNameEntry &e) { return e.code == code; });
    return it == std::end(kKeyNames) ? nullptr : it;
}

} // namespace

bool frenchKeyNames()
{
    // The descriptor says which language index is French for this product;
    // -1 means the product has no French layout at all.
    const int frenchIndex = ProductDescriptor::frenchLanguage();
    if (frenchIndex == -1)
        return false;
    return LangConfig::langID() == frenchIndex;
}

QString keyName(int code, bool french)
{
    const KeyNameEntry *entry = findKeyName(code);
    if (!entry)
        return QString();
    return QString::fromUtf8(french && entry->french ? entry->french : entry->name);
}

QString keyName(int code)
{
    // Codes without a name need no file access.
    if (!findKeyName(code))
        return QString();
    return keyName(code, frenchKeyNames());
}

int keyCodeForName(const QString &name)
{
    return name.isEmpty() ? 0 : keyCodeForName(name, frenchKeyNames());
}

int keyCodeForName(const QString &name, bool french)
{
    if (name.isEmpty())
        return 0;
    for (const bool column : {french, !french}) {
        for (const KeyNameEntry &entry : kKeyNames) {
            if (matchesTypedName(name, QString::fromUtf8(column && entry.french ? entry.french : entry.name)))
                return entry.code;
        }
    }
    return 0;
}

bool keyCodeToUsage(int code, int &usage)
{
    for (const KeyUsagePair &pair : kKeyUsages) {
        if (pair.code == code) {
            usage = pair.usage;
            return true;
        }
    }
    return false;
}

bool usageToKeyCode(int usage, int &code)
{
    for (const KeyUsagePair &pair : kKeyUsages) {
        if (pair.usage == usage) {
            code = pair.code;
            return true;
        }
    }
    return false;
}

const std::array<KeyUsagePair, kKeyUsagePairCount> &keyUsageTable()
{
    return kKeyUsages;
}

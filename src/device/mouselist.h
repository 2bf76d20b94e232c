#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <string>

// The mouse list: the supported mouse models with their USB identities and the
// device paths of the four collections found for them. Filled once at start-up
// (LoadMouseList, EnumerateMice) and kept current by plug events.

// The two ways of reaching the mouse.
enum class LinkGroup { Receiver = 0, Cable = 1 };

// The four collections, in the order the handles are opened and closed.
enum class MouseCollection { ReceiverMouse = 0, ReceiverCommand = 1, CableMouse = 2, CableCommand = 3 };

constexpr int kMouseListCapacity = 200;
constexpr int kMouseListNameLength = 255;

struct UsagePair {
    uint32_t usage = 0;
    uint32_t usagePage = 0;
    bool operator==(const UsagePair &o) const { return usage == o.usage && usagePage == o.usagePage; }
};

// The collection usage pairs: mouse usage 2, command usage 0, both on page 1.
constexpr UsagePair kMouseUsage{2, 1};
constexpr UsagePair kCommandUsage{0, 1};

struct MouseListEntry {
    // One connection (receiver or cable): USB identity and the accepted
    // release-number range; a max of 0 accepts any release.
    struct Group {
        uint32_t vendorId = 0;
        uint32_t productId = 0;
        uint32_t releaseMin = 0;
        uint32_t releaseMax = 0;
    };
    struct Collection {
        UsagePair usage;
        std::string path;     // hidraw node (or interface path in the Windows form)
        uint32_t found = 0;   // set while the path is known to be present
    };

    std::array<Group, 2> groups{};
    std::array<Collection, 4> collections{};
    QByteArray name;          // Latin-1, at most 255 characters

    Group &group(LinkGroup g) { return groups[static_cast<int>(g)]; }
    const Group &group(LinkGroup g) const { return groups[static_cast<int>(g)]; }
    Collection &collection(MouseCollection c) { return collections[static_cast<int>(c)]; }
    const Collection &collection(MouseCollection c) const { return collections[static_cast<int>(c)]; }

    static MouseCollection mouseCollection(LinkGroup g);
    static MouseCollection commandCollection(LinkGroup g);

    bool identityMatches(LinkGroup g, uint32_t vendorId, uint32_t productId) const;
    bool releaseAccepted(LinkGroup g, uint32_t release) const;
    // Both collections of the connection are present: it can be opened.
    bool groupPresent(LinkGroup g) const;
    bool anyFound(LinkGroup g) const;
    bool anyFound() const;

    // The form in which a product name is filed: Latin-1, at most 255 characters.
    static QByteArray storedName(const QString &name);
    QString displayName() const { return QString::fromLatin1(name); }
};

struct MouseList {
    int count = 0;
    std::array<MouseListEntry, kMouseListCapacity> entries{};

    void clear();
    // Index of the first entry with that name, or -1.
    int indexOf(const QString &name) const;
};

// The process-wide list; main thread only.
MouseList &mouseList();

// The name of the filed product as the user interface shows it ("Mouse_List/0").
QString mouseListName();

// Clears the list and fills entry 0 from the product descriptor (identities)
// and the application configuration (Mouse_List/0, the name).
void LoadMouseList();

#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// What the mouse holds, as far as this program knows: for each table an
// upload writes (system block, button table, DPI table, lighting table and
// each of the 20 macro memory banks) the exact bytes last sent to it
// successfully. Empty bytes mean "not known": the next upload sends that
// table whatever it holds.
//
// The window and the command line are separate processes that talk to the
// same mouse, so the tables are kept in a small file in the cache folder
// (save/load) and each upload starts from what is stored there.
class SentTables {
public:
    enum Table { System, Buttons, Dpi, Lighting, FirstMacroBank };
    static constexpr int kMacroBanks = 20;
    static constexpr int kCount = FirstMacroBank + kMacroBanks;

    static constexpr int macroBank(int bank) { return FirstMacroBank + bank; }

    const QByteArray &bytes(int table) const { return m_bytes[size_t(table)]; }
    bool knows(int table) const { return !bytes(table).isEmpty(); }
    // Whether no table is known: the next upload is a full one.
    bool isEmpty() const;

    void set(int table, const QByteArray &bytes);
    void forget(int table) { set(table, QByteArray()); }
    // The next upload sends everything (after a failure, a reconnect, a
    // mouse that says its memory is not whole, "reset all").
    void clear();

    // The tables kept in `path` for the mouse of `product`. A missing or
    // unreadable file, one written for another product, or one in another
    // form gives no known table at all.
    void load(const QString &path, const QString &product);
    // Replaces the file in one step; false when that could not be done.
    bool save(const QString &path, const QString &product) const;

    bool operator==(const SentTables &o) const { return m_bytes == o.m_bytes; }
    bool operator!=(const SentTables &o) const { return !(*this == o); }

private:
    std::array<QByteArray, kCount> m_bytes;
};

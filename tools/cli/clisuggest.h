#pragma once

#include <QString>
#include <QStringList>

// The nearest of a few known words to a mistyped one, for "did you mean"
// hints: a word within a small edit distance (a letter missing, added,
// changed or two swapped), else the one known word it is the start of.
namespace CliSuggest {

// The candidate closest to `typed`; empty when none is close enough to be
// a likely slip. Candidates with the same distance: the first listed wins.
QString nearest(const QString &typed, const QStringList &candidates);

// `text` with "; did you mean WORD?" when a candidate is near.
QString withHint(const QString &text, const QString &typed, const QStringList &candidates);

} // namespace CliSuggest

#include "clisuggest.h"

#include <algorithm>
#include <vector>

namespace CliSuggest {

namespace {

// Edits between two words, a swap of neighbours counting as one (the
// commonest slip at a keyboard: "stauts").
int distance(const QString &a, const QString &b)
{
    const int n = int(a.size());
    const int m = int(b.size());
    std::vector<std::vector<int>> d(size_t(n + 1), std::vector<int>(size_t(m + 1)));
    for (int i = 0; i <= n; ++i)
        d[size_t(i)][0] = i;
    for (int j = 0; j <= m; ++j)
        d[0][size_t(j)] = j;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            int best = std::min({d[size_t(i - 1)][size_t(j)] + 1, d[size_t(i)][size_t(j - 1)] + 1,
                                 d[size_t(i - 1)][size_t(j - 1)] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                best = std::min(best, d[size_t(i - 2)][size_t(j - 2)] + 1);
            d[size_t(i)][size_t(j)] = best;
        }
    }
    return d[size_t(n)][size_t(m)];
}

} // namespace

QString nearest(const QString &typed, const QStringList &candidates)
{
    const QString word = typed.toLower();
    if (word.isEmpty())
        return QString();
    // One slip in a short word, about one in three letters in a longer one.
    const int allowed = std::max(1, int(word.size()) / 3);
    QString best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : candidates) {
        const int d = distance(word, candidate.toLower());
        if (d < bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    }
    if (!best.isEmpty())
        return best;
    // An abbreviation of exactly one word ("light" for "lighting").
    QStringList starting;
    for (const QString &candidate : candidates) {
        if (word.size() >= 2 && candidate.startsWith(word, Qt::CaseInsensitive))
            starting << candidate;
    }
    return starting.size() == 1 ? starting.first() : QString();
}

QString withHint(const QString &text, const QString &typed, const QStringList &candidates)
{
    const QString hint = nearest(typed, candidates);
    return hint.isEmpty() ? text : QStringLiteral("%1; did you mean %2?").arg(text, hint);
}

} // namespace CliSuggest

#include "model/NearestNames.h"
#include <QVector>
#include <algorithm>

namespace {

int editDistance(const QString &a, const QString &b)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

QString looseName(const QString &name)
{
    QString loose;
    loose.reserve(name.size());
    for (const QChar c : name)
        if (!c.isSpace())
            loose += c.toLower();
    return loose;
}

bool sameLooseName(const QString &a, const QString &b)
{
    return looseName(a) == looseName(b);
}

QStringList nearestNames(const QString &input, const QStringList &names, int count)
{
    const QString wanted = looseName(input);
    QVector<QPair<int, int>> ranked; // distance, index
    for (int i = 0; i < names.size(); ++i)
        ranked.append({editDistance(wanted, looseName(names.at(i))), i});
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList nearest;
    for (int i = 0; i < ranked.size() && nearest.size() < count; ++i)
        if (!nearest.contains(names.at(ranked[i].second)))
            nearest << names.at(ranked[i].second);
    return nearest;
}

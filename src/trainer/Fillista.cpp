#include "trainer/Fillista.h"

#include <QCollator>
#include <QDir>
#include <algorithm>

void Fillista::Refresh()
{
    m_namn.clear();
    QDir mapp(m_mapp);
    if (m_mapp.isEmpty() || !mapp.exists() || !mapp.isReadable())
        return;
    mapp.setNameFilters(m_moenster.split(';', Qt::SkipEmptyParts));
    // Without QDir::CaseSensitive the patterns match any case: "DJUR.GLO" too.
    mapp.setFilter(QDir::Files | QDir::Readable);
    m_namn = mapp.entryList();
    QCollator ordning;
    ordning.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_namn.begin(), m_namn.end(),
                     [&](const QString& a, const QString& b) { return ordning.compare(a, b) < 0; });
}

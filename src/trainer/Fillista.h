#pragma once

#include <QString>
#include <QStringList>

// The exercise files of one kind in a folder, as the file selector steps
// through them: names without folder, in a fixed case-insensitive order.
// A folder that is missing or cannot be read simply lists nothing.
class Fillista {
public:
    // Patterns separated by ";", e.g. "*.glo;*.gls" (matched without
    // regard to case).
    void setPattern(const QString& moenster) { m_moenster = moenster; }
    QString Pattern() const { return m_moenster; }
    void setPath(const QString& mapp) { m_mapp = mapp; }
    QString Path() const { return m_mapp; }

    // Reads the folder again.
    void Refresh();

    int ListCount() const { return int(m_namn.size()); }
    QString List(int index) const { return m_namn.value(index); }

private:
    QString m_moenster = "*.*";
    QString m_mapp;
    QStringList m_namn;
};

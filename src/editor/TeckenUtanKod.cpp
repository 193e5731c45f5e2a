#include "editor/TeckenUtanKod.h"

#include "common/Ansi1252.h"

std::optional<TeckenUtanKod> foerstaTeckenUtanKod(const QString& text)
{
    const AnsiKodning kodad = tillAnsi(text);
    if (kodad.ok())
        return std::nullopt;
    return TeckenUtanKod{kodad.felTecken, int(text.left(kodad.felIndex).count(u'\n')) + 1};
}

QString teckenUtanKodText(const QString& tecken, int rad, const QString& aatgaerd)
{
    const QString var = rad > 0 ? QStringLiteral(" i rad %1").arg(rad) : QString();
    return QStringLiteral("Tecknet \"%1\"%2 kan inte sparas i en övningsfil.\r\n").arg(tecken, var) + aatgaerd;
}

#pragma once

#include <QObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// One voice of the speech engine: its engine id and its display name.
class TalRoest {
public:
    TalRoest() = default;
    TalRoest(QString id, QString namn) : m_id(std::move(id)), m_namn(std::move(namn)) {}

    QString GetVoiceName() const { return m_namn; }
    QString RoestNamn() const { return m_namn; }
    QString id() const { return m_id; }
    bool giltig() const { return !m_id.isEmpty(); }

private:
    QString m_id;
    QString m_namn;
};

struct TalKanal;

// The display names of the engine's voices, in the engine's order: each
// voice's own name, with its engine id in brackets after it when an earlier
// voice already has that name. Every voice name the program shows, stores
// and looks up comes from here, so a name always leads back to one voice.
QStringList roestnamn(const QList<QPair<QString, QString>>& idOchNamn);

// The speech control. Every instance speaks with its own voice through the
// one shared engine; Tala returns at once and the speech plays while the
// program goes on.
class TextSpeaker : public QObject {
    Q_OBJECT
public:
    explicit TextSpeaker(QObject* parent = nullptr);
    ~TextSpeaker() override;

    // Starts the engine on its own thread, if it is not going already. The
    // engine is otherwise started when first asked for; starting it while
    // the first window is being made slows that window down, as both load
    // libraries and fill memory at once.
    static void startaMotorn();

    bool TalsyntesFinns() const;
    void Tala(const QString& text);
    void Tysta();
    // Milliseconds per character at the voice's speaking rate.
    int TalTempo() const;
    int AntalRoester() const;
    TalRoest Roest(int index) const;
    TalRoest AktuellRoest() const;
    bool VaeljRoest(const TalRoest& roest);
    // Stores the current voice's name under the key in the settings file;
    // false when there is no voice to store or it could not be stored.
    bool SparaRoest(const QString& nyckel);
    // Selects the voice stored under the key; false when it cannot. With
    // nothing stored, a Swedish voice is chosen and that counts as success.
    bool HaemtaRoest(const QString& nyckel);

    // True while this instance's speech is still playing.
    bool Talar() const;

    // For tests: selecting the voice of this name fails, as for a voice the
    // engine can no longer load (an empty name lifts it).
    static void spaerraRoest(const QString& namn);

signals:
    // Every text handed to Tala, and every Tysta (so tests can follow).
    void talade(const QString& text);
    void tystades();

private:
    const TalRoest& roest() const;

    mutable std::optional<TalRoest> m_roest;
    std::shared_ptr<TalKanal> m_kanal;  // this instance's speech, shared with the engine
};

#include "EngineMedia.h"

#include "support/MediaGenerator.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

const EngineMedia& EngineMedia::get()
{
    static EngineMedia media = [] {
        EngineMedia m;
        m.dir = std::make_unique<QTemporaryDir>();
        using Kind = MediaGenerator::Kind;
        m.ok = m.dir->isValid() && MediaGenerator::wav(m.path("stereo.wav"), kSeconds, 2)
            && MediaGenerator::wav(m.path("mono.wav"), kSeconds, 1)
            && MediaGenerator::encode(m.path("clip.mpg"), kSeconds, Kind::Mpeg1)
            && MediaGenerator::encode(m.path("clip.avi"), kSeconds, Kind::Avi)
            && MediaGenerator::encode(m.path("song.mp3"), kSeconds, Kind::Mp3)
            && MediaGenerator::encode(m.path("mute.mpg"), kSeconds, Kind::Mpeg1VideoOnly)
            && MediaGenerator::encode(m.path("mute.avi"), kSeconds, Kind::AviSilent)
            && QFile::copy(m.path("clip.mpg"), m.path("AVSEQ01.DAT"));
        return m;
    }();
    return media;
}

MpvEngine::Options EngineMedia::silent(double speed)
{
    return {{QStringLiteral("ao"), QStringLiteral("null")},
            {QStringLiteral("speed"), QString::number(speed)}};
}

bool EngineMedia::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

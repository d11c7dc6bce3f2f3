#pragma once

#include "app/CMessageBoxPrompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct WavSpec {
    std::uint32_t sampleRate = 44100;
    std::uint16_t channels = 2;
    std::uint16_t bitsPerSample = 16;
    std::uint16_t blockAlign = 4;
    std::size_t junkBytes = 0;   // a "JUNK" chunk of this size before "fmt "
    std::size_t dataBytes = 64;
};

inline void PutLE(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

inline void PutId(Bytes& out, const char* id)
{
    out.insert(out.end(), id, id + 4);
}

// Offset of the "fmt " chunk's id in a file made by MakeWav.
inline std::size_t FmtOffset(const WavSpec& spec)
{
    return spec.junkBytes == 0 ? 12 : 12 + 8 + spec.junkBytes + (spec.junkBytes & 1);
}

inline Bytes MakeWav(const WavSpec& spec)
{
    Bytes body;
    PutId(body, "WAVE");
    if (spec.junkBytes != 0) {
        PutId(body, "JUNK");
        PutLE(body, static_cast<std::uint32_t>(spec.junkBytes), 4);
        for (std::size_t i = 0; i < spec.junkBytes + (spec.junkBytes & 1); ++i)
            body.push_back(static_cast<unsigned char>(0xA0 + i % 7));
    }
    PutId(body, "fmt ");
    PutLE(body, 16, 4);
    PutLE(body, 1, 2);
    PutLE(body, spec.channels, 2);
    PutLE(body, spec.sampleRate, 4);
    PutLE(body, spec.sampleRate * spec.blockAlign, 4);
    PutLE(body, spec.blockAlign, 2);
    PutLE(body, spec.bitsPerSample, 2);
    PutId(body, "data");
    PutLE(body, static_cast<std::uint32_t>(spec.dataBytes), 4);
    for (std::size_t i = 0; i < spec.dataBytes; ++i)
        body.push_back(static_cast<unsigned char>(i * 37 + 11));

    Bytes file;
    PutId(file, "RIFF");
    PutLE(file, static_cast<std::uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// The bytes a file must hold after its fmt fields became these values.
inline Bytes WithFormat(Bytes bytes, const WavSpec& spec, std::uint32_t rate, std::uint16_t channels,
                        std::uint16_t blockAlign, std::uint16_t bits)
{
    Bytes fields;
    PutLE(fields, channels, 2);
    PutLE(fields, rate, 4);
    PutLE(fields, rate * blockAlign, 4);
    PutLE(fields, blockAlign, 2);
    PutLE(fields, bits, 2);
    std::copy(fields.begin(), fields.end(), bytes.begin() + static_cast<std::ptrdiff_t>(FmtOffset(spec) + 10));
    return bytes;
}

inline void WriteBytes(const QString& path, const Bytes& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

inline Bytes ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    return Bytes(all.begin(), all.end());
}

// Answers the program's questions from lists given in advance and records
// everything it was told or asked. A question without a prepared answer fails
// the test and is answered No / Cancel.
class CScriptedPrompt : public CMessageBoxPrompt {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<bool> readOnlyAnswers;
    QStringList questions;
    std::vector<std::string> messages;
    std::vector<std::string> readOnlyPaths;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool AskClearReadOnly(const std::string& path) override
    {
        readOnlyPaths.push_back(path);
        return Take(readOnlyAnswers, "write-protect question");
    }

    bool AskYesNo(const QString& text) override
    {
        questions.push_back(text);
        return Take(yesNoAnswers, "Yes/No question");
    }

private:
    static bool Take(std::deque<bool>& answers, const char* what)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Runs action on the next modal window once it is up (tests use it to answer
// real dialogs that exec() is about to run).
inline void WhenModal(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

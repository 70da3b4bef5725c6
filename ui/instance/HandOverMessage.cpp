// The hand-over message, as bytes that carry any command line and folder unchanged.
#include "ui/instance/HandOverMessage.h"

#include "core/desktop/CommandLine.h"

#include <QtEndian>

namespace tarvelo {

namespace {

const QByteArray kTag = QByteArrayLiteral("TRV1");
constexpr qsizetype kLengthBytes = 4;
constexpr qsizetype kMaxCommandLineBytes = 64 * 1024;

} // namespace

QString TextOfBytes(const std::string& bytes) {
    return QString::fromStdU16String(TextFromBytes(bytes));
}

std::string BytesOfText(const QString& text) {
    return BytesFromText(text.toStdU16String());
}

QString CommandLineOf(int argc, char* argv[]) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            line += ' ';
        }
        line += argv[i];
    }
    return TextOfBytes(line);
}

QByteArray EncodeHandOver(const HandOver& handOver) {
    QByteArray message = kTag;
    for (const QString& part : {handOver.workingDirectory, handOver.commandLine}) {
        const std::string bytes = BytesOfText(part);
        char length[kLengthBytes];
        qToBigEndian(static_cast<quint32>(bytes.size()), length);
        message.append(length, kLengthBytes);
        message.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return message;
}

qsizetype HandOverLength(const QByteArray& buffer) {
    if (!kTag.startsWith(buffer.left(kTag.size()))) {
        return -1;
    }
    // The tag, then two parts, each a length and that many bytes.
    qsizetype at = kTag.size();
    for (int part = 0; part < 2; ++part) {
        if (buffer.size() < at + kLengthBytes) {
            return 0;
        }
        const quint32 length = qFromBigEndian<quint32>(buffer.constData() + at);
        if (length > static_cast<quint32>(kMaxCommandLineBytes)) {
            return -1;
        }
        at += kLengthBytes + static_cast<qsizetype>(length);
    }
    return buffer.size() >= at ? at : 0;
}

HandOver DecodeHandOver(const QByteArray& message) {
    HandOver handOver;
    qsizetype at = kTag.size();
    for (QString* part : {&handOver.workingDirectory, &handOver.commandLine}) {
        const auto length =
            static_cast<qsizetype>(qFromBigEndian<quint32>(message.constData() + at));
        at += kLengthBytes;
        *part = TextOfBytes(message.mid(at, length).toStdString());
        at += length;
    }
    return handOver;
}

} // namespace tarvelo

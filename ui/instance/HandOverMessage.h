// What goes over the instance's socket: the hand-over of a later start, and the answer of the
// running instance once it has taken it.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace tarvelo {

// A command line as text that keeps its bytes (see TextFromBytes); `argv` after the toolkit has
// taken its own options out: the arguments after the program's path, joined by single blanks.
QString CommandLineOf(int argc, char* argv[]);
QString TextOfBytes(const std::string& bytes);
std::string BytesOfText(const QString& text);

// What a later start hands over: its command line, as it received it, and the folder it was
// started in, against which a relative path is meant. Both are texts that keep their bytes.
struct HandOver {
    QString commandLine;
    QString workingDirectory;
    bool operator==(const HandOver&) const = default;
};

// A hand-over message: a tag, then the folder and the command line, each as a length and their
// bytes.
QByteArray EncodeHandOver(const HandOver& handOver);
// How much of `buffer` makes one whole message: 0 while more is needed, -1 when it is no such
// message (wrong tag, or a part longer than any command line or folder).
qsizetype HandOverLength(const QByteArray& buffer);
HandOver DecodeHandOver(const QByteArray& message);

// The running instance's answer, one byte, once a whole hand-over has come.
constexpr char kHandOverAccepted = 'D';

} // namespace tarvelo

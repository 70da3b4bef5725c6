// The translation files: every text translated whole, and exactly the texts the sources mark.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// One entry of a .ts file.
struct Message {
    QString context;
    QString source;
    QString comment; // the disambiguation, which tells apart equal sources
    bool numerus = false;
    QString type;      // of the translation: empty when finished
    QStringList forms; // the translation, or its plural forms
    QString Key() const { return context + QChar(0) + source + QChar(0) + comment; }
    // As a line of the test's report: its line breaks written out.
    QString Named() const {
        QString shown = source;
        shown.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        return QStringLiteral("[%1] \"%2\"").arg(context, shown);
    }
};

// The text of the element the reader is at, up to its end: lupdate writes characters that XML
// cannot hold, such as the carriage return, as <byte value="xd"/>.
QString ElementText(QXmlStreamReader& xml) {
    const QString element = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            constexpr int kHex = 16;
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += QChar(value.mid(1).toUInt(nullptr, kHex)); // "xd"
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

void ReadTranslation(QXmlStreamReader& xml, Message* message) {
    message->type = xml.attributes().value(QLatin1String("type")).toString();
    if (!message->numerus) {
        message->forms = {ElementText(xml)};
        return;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("numerusform")) {
            message->forms.append(ElementText(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
}

Message ReadMessage(QXmlStreamReader& xml, const QString& context) {
    Message message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = ElementText(xml);
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = ElementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            ReadTranslation(xml, &message);
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

struct TsFile {
    QString language;
    QList<Message> messages;
    QString error; // empty when the file was read whole
};

void ReadContext(QXmlStreamReader& xml, QList<Message>* messages) {
    QString context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name")) {
            context = ElementText(xml);
        } else if (xml.name() == QLatin1String("message")) {
            messages->append(ReadMessage(xml, context));
        } else {
            xml.skipCurrentElement();
        }
    }
}

TsFile ReadTs(const QString& path) {
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TS")) {
        ts.error = QStringLiteral("%1 is no translation file").arg(path);
        return ts;
    }
    ts.language = xml.attributes().value(QLatin1String("language")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("context")) {
            ReadContext(xml, &ts.messages);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        ts.error = xml.errorString();
    }
    return ts;
}

QString TsPath(const QString& language) {
    return QStringLiteral(TARVELO_SOURCE_DIR "/translations/tarvelo_%1.ts").arg(language);
}

// The marks a translation must carry over: the placeholders (%1, %2, ..., %n), each at least
// once, and every line break (\r, \n), which code splits on.
QStringList Placeholders(const QString& text) {
    const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found.append(match.captured());
    }
    found.removeDuplicates();
    found.sort();
    for (const auto& [lineBreak, written] : {std::pair{u'\r', "\\r"}, {u'\n', "\\n"}}) {
        found.append(QStringList(text.count(QChar(lineBreak)), QString::fromLatin1(written)));
    }
    return found;
}

// The sentence marks a text ends with: a colon before an input field, the dots of a hint, the
// full stop of a message.
QString EndMarks(const QString& text) {
    const QRegularExpression end(QStringLiteral("[.:;!?\u2026]*$"));
    return end.match(text).captured();
}

QStringList FaultsOf(const Message& message) {
    QStringList faults;
    const QString named = message.Named();
    if (!message.type.isEmpty()) {
        faults.append(QStringLiteral("%1 is %2").arg(named, message.type));
    }
    if (message.forms.isEmpty()) {
        faults.append(QStringLiteral("%1 has no translation").arg(named));
    }
    for (const QString& form : message.forms) {
        if (form.trimmed().isEmpty()) {
            faults.append(QStringLiteral("%1 has an empty translation").arg(named));
            continue;
        }
        if (Placeholders(form) != Placeholders(message.source)) {
            faults.append(QStringLiteral("%1: \"%2\" has the placeholders or line breaks %3 "
                                         "instead of %4")
                              .arg(named, form, Placeholders(form).join(QLatin1Char(' ')),
                                   Placeholders(message.source).join(QLatin1Char(' '))));
        }
        // Typography may put a space before a colon (French); the mark itself stays.
        if (EndMarks(form) != EndMarks(message.source)) {
            faults.append(QStringLiteral("%1: \"%2\" does not end in \"%3\"")
                              .arg(named, form, EndMarks(message.source)));
        }
    }
    return faults;
}

// Says each fault on its own line (a failure's message is cut short), and how many there are.
QString Listed(const QStringList& faults) {
    for (const QString& fault : faults) {
        qWarning().noquote() << fault;
    }
    return QStringLiteral("%1 fault(s), listed above").arg(faults.size());
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void theFilesHoldExactlyTheMarkedTexts_data();
    void theFilesHoldExactlyTheMarkedTexts();

  private:
    void AddLanguages();
    QTemporaryDir scanFolder_;
    QHash<QString, Message> marked_; // by key: what lupdate finds in the sources now
};

void TranslationFilesTest::initTestCase() {
    // The sources scanned as the developers' script scans them, into a file of no language.
    QVERIFY(scanFolder_.isValid());
    const QString scan = scanFolder_.filePath(QStringLiteral("scan.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(TARVELO_SOURCE_DIR "/tools/update-translations.sh"), {scan});
    QVERIFY2(lupdate.waitForFinished(-1), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());
    const TsFile scanned = ReadTs(scan);
    QVERIFY2(scanned.error.isEmpty(), qPrintable(scanned.error));
    for (const Message& message : scanned.messages) {
        marked_.insert(message.Key(), message);
    }
    QVERIFY2(!marked_.isEmpty(), "lupdate found no texts in the sources");
}

void TranslationFilesTest::AddLanguages() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"it", "de", "fr", "es"}) {
        QTest::newRow(language) << QString::fromLatin1(language);
    }
}

void TranslationFilesTest::everyTextIsTranslated_data() {
    AddLanguages();
}

void TranslationFilesTest::everyTextIsTranslated() {
    QFETCH(QString, language);
    const TsFile ts = ReadTs(TsPath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QVERIFY2(ts.language.startsWith(language), qPrintable(ts.language));
    QStringList faults;
    for (const Message& message : ts.messages) {
        faults += FaultsOf(message);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(Listed(faults)));
}

void TranslationFilesTest::theFilesHoldExactlyTheMarkedTexts_data() {
    AddLanguages();
}

void TranslationFilesTest::theFilesHoldExactlyTheMarkedTexts() {
    QFETCH(QString, language);
    const TsFile ts = ReadTs(TsPath(language));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QSet<QString> held;
    QStringList faults;
    for (const Message& message : ts.messages) {
        held.insert(message.Key());
        if (!marked_.contains(message.Key())) {
            faults.append(
                QStringLiteral("in the file but marked nowhere: %1").arg(message.Named()));
        } else if (marked_.value(message.Key()).numerus != message.numerus) {
            faults.append(QStringLiteral("plural in the code, not in the file, or the other way "
                                         "round: %1")
                              .arg(message.Named()));
        }
    }
    for (const Message& message : std::as_const(marked_)) {
        if (!held.contains(message.Key())) {
            faults.append(
                QStringLiteral("marked in the code but missing: %1").arg(message.Named()));
        }
    }
    faults.sort();
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1: %2; run tools/update-translations.sh, then translate")
                            .arg(QDir::toNativeSeparators(TsPath(language)), Listed(faults))));
}

QTEST_GUILESS_MAIN(TranslationFilesTest)
#include "TranslationFilesTest.moc"

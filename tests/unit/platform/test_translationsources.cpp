// Checks of the translation sources themselves: a translation that loses a
// placeholder or an accelerator breaks the text it stands for at run time,
// and catalogues that list different texts mean one was not refreshed.

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Message> readTs(const QString &path, QString *language)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("TS")) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            current = Message();
            current.context = context;
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    if (xml.hasError())
        messages.clear();
    return messages;
}

// %1, %d, %n and the like, sorted: their order may change in a translation.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d+|[dsnxuL])"));
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

bool hasAccelerator(const QString &text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

QString tsPath(const QString &name)
{
    return qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + QStringLiteral("/resources/lang/") + name + QStringLiteral(".ts");
}

} // namespace

class TestTranslationSources : public QObject {
    Q_OBJECT
private slots:
    void catalogue_data();
    void catalogue();
};

void TestTranslationSources::catalogue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("en");
    QTest::newRow("sc") << QStringLiteral("sc") << QStringLiteral("zh_CN");
    QTest::newRow("tc") << QStringLiteral("tc") << QStringLiteral("zh_TW");
}

void TestTranslationSources::catalogue()
{
    QFETCH(QString, name);
    QFETCH(QString, language);

    QString declared;
    const QList<Message> messages = readTs(tsPath(name), &declared);
    QVERIFY2(!messages.isEmpty(), qPrintable(tsPath(name)));
    QCOMPARE(declared, language);

    QString english;
    const QList<Message> reference = readTs(tsPath(QStringLiteral("en")), &english);
    QCOMPARE(messages.size(), reference.size());

    for (int i = 0; i < messages.size(); ++i) {
        const Message &m = messages.at(i);
        const QString where = m.context + QStringLiteral(": ") + m.source;
        QCOMPARE(m.context, reference.at(i).context);
        QCOMPARE(m.source, reference.at(i).source);
        if (m.translation.isEmpty())
            continue;
        QVERIFY2(placeholders(m.translation) == placeholders(m.source), qPrintable(where));
        QVERIFY2(hasAccelerator(m.translation) == hasAccelerator(m.source), qPrintable(where));
        // Leading and trailing blanks are part of texts such as " %d".
        QVERIFY2(m.translation.startsWith(QLatin1Char(' ')) == m.source.startsWith(QLatin1Char(' ')), qPrintable(where));
    }
}

QTEST_GUILESS_MAIN(TestTranslationSources)
#include "test_translationsources.moc"

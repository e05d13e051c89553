// settings.txt: what a start of the wizard takes from it, and the bytes written after a run.
#include <QLineEdit>
#include <QtTest>

#include "Settings.h"
#include "WizardTestSupport.h"

namespace {

const QString installDefault = QStringLiteral("C:\\Program Files\\National Instruments\\CVI85");

/// A wizard started with settings.txt holding bytes.
struct StartedWith : WizardOnFakeHost {
    explicit StartedWith(const std::string& bytes, const std::function<void(FakeHost&)>& more = {})
        : WizardOnFakeHost([&](FakeHost& host) {
              host.addFile("C:\\settings.txt", bytes);
              if (more)
                  more(host);
          }) {}
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void withoutAFileTheFormDefaultsStayAndNothingIsWritten() {
        WizardOnFakeHost fixture;
        QCOMPARE(fixture.wizard.CVIInstallEdit->text(), installDefault);
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QString());
        QCOMPARE(fixture.wizard.AnalPersonEdit->text(), QString());
        QCOMPARE(fixture.wizard.CmpPersonEdit->text(), QString());
        QVERIFY(!fixture.host->isFile("C:\\settings.txt"));
    }

    void everyKeyFillsItsField() {
        StartedWith fixture("CVI Installation Path:\nD:\\cvi\n\nMessage Personality:\nC:\\m.p_s\n\n"
                            "Analyser Personality:\nC:\\a.p_a\n\nCompiler Personality:\n"
                            "C:\\c.p_c\n\n");
        QCOMPARE(fixture.wizard.CVIInstallEdit->text(), QStringLiteral("D:\\cvi"));
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\m.p_s"));
        QCOMPARE(fixture.wizard.AnalPersonEdit->text(), QStringLiteral("C:\\a.p_a"));
        QCOMPARE(fixture.wizard.CmpPersonEdit->text(), QStringLiteral("C:\\c.p_c"));
    }

    void anEmptyInstallValueEmptiesTheField() {
        StartedWith emptyLine("CVI Installation Path:\n\n");
        QCOMPARE(emptyLine.wizard.CVIInstallEdit->text(), QString());
        StartedWith atTheEnd("Compiler Personality:\nC:\\c.p_c\n\nCVI Installation Path:");
        QCOMPARE(atTheEnd.wizard.CVIInstallEdit->text(), QString());
        QCOMPARE(atTheEnd.wizard.CmpPersonEdit->text(), QStringLiteral("C:\\c.p_c"));
    }

    void keysMatchWholeLinesExactly() {
        StartedWith fixture("CVI Installation Path: \nD:\\one\ncvi installation path:\nD:\\two\n"
                            " Message Personality:\nC:\\m.p_s\n");
        QCOMPARE(fixture.wizard.CVIInstallEdit->text(), installDefault);
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QString());
    }

    void valuesKeepTheirSpacesAndAValueMayReadLikeAKey() {
        StartedWith fixture("Message Personality:\n  C:\\m.p_s \nAnalyser Personality:\n"
                            "Compiler Personality:\n");
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QStringLiteral("  C:\\m.p_s "));
        QCOMPARE(fixture.wizard.AnalPersonEdit->text(), QStringLiteral("Compiler Personality:"));
        QCOMPARE(fixture.wizard.CmpPersonEdit->text(), QString());
    }

    void lineEndsMayBeCarriageReturnsWithOrWithoutLineFeeds() {
        StartedWith crOnly(
            "CVI Installation Path:\rD:\\cvi\r\rCompiler Personality:\rC:\\c.p_c\r\r");
        QCOMPARE(crOnly.wizard.CVIInstallEdit->text(), QStringLiteral("D:\\cvi"));
        QCOMPARE(crOnly.wizard.CmpPersonEdit->text(), QStringLiteral("C:\\c.p_c"));
        StartedWith crlf("CVI Installation Path:\r\nD:\\cvi\r\n\r\nMessage Personality:\r\n"
                         "C:\\m.p_s\r\n\r\n");
        QCOMPARE(crlf.wizard.CVIInstallEdit->text(), QStringLiteral("D:\\cvi"));
        QCOMPARE(crlf.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\m.p_s"));
    }

    void theLastOfRepeatedKeysWinsAndOtherLinesAreSkipped() {
        StartedWith fixture("# remembered fields\nMessage Personality:\nC:\\first.p_s\n\njunk\n"
                            "Message Personality:\nC:\\second.p_s\n");
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\second.p_s"));
    }

    void bytesAboveAsciiAreReadAndWrittenOneCharacterEach() {
        const std::string bytes = "CVI Installation Path:\nC:\\Programme\\\xe9t\xe9\n\n";
        const RememberedFields fields = parseSettings(QByteArray::fromStdString(bytes));
        QCOMPARE(*fields.installFolder, QStringLiteral("C:\\Programme\\\u00e9t\u00e9"));
        QCOMPARE(formatSettings(fields).toStdString(), bytes);
    }

    void loadedValuesRunThePageRules() {
        StartedWith fixture("CVI Installation Path:\nC:\\missing\n\nMessage Personality:\n"
                            "C:\\m.p_s\n\nCompiler Personality:\nC:\\gone.p_c\n",
                            [](FakeHost& host) { host.addFile("C:\\m.p_s", ""); });
        QCOMPARE(textColour(fixture.wizard.CVIInstallEdit), QColor(255, 0, 0));
        QCOMPARE(textColour(fixture.wizard.MsgPersonEdit), QColor(0, 0, 0));
        QCOMPARE(textColour(fixture.wizard.CmpPersonEdit), QColor(255, 0, 0));
        QVERIFY(!fixture.wizard.Page1->isComplete());

        // The default folder loaded again changes no text, but is still checked.
        StartedWith same("CVI Installation Path:\n" + installDefault.toStdString() + "\n\n");
        QCOMPARE(textColour(same.wizard.CVIInstallEdit), QColor(255, 0, 0));
    }

    void writtenFileHoldsTheInstallFolderAndEachPersonalityInUse() {
        QCOMPARE(formatSettings({installDefault, QString(), QString(), "C:\\pers\\cc.p_c"}),
                 QByteArray("CVI Installation Path:\nC:\\Program Files\\National "
                            "Instruments\\CVI85\n\nCompiler Personality:\nC:\\pers\\cc.p_c\n\n"));
        QCOMPARE(formatSettings({QString(), "m", "a", "c"}),
                 QByteArray("CVI Installation Path:\n\n\nMessage Personality:\nm\n\n"
                            "Analyser Personality:\na\n\nCompiler Personality:\nc\n\n"));
        QCOMPARE(formatSettings({}), QByteArray("CVI Installation Path:\n\n\n"));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"

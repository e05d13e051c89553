// settings.txt: what a start of the wizard takes from it, and the bytes written after a run.
#include <QLineEdit>
#include <QtTest>

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

        // An empty value empties its field; names are the system's bytes, UTF-8 here.
        StartedWith other("CVI Installation Path:\n\nMessage Personality:\nC:\\\xe6\xb8\xa9.p_s\n");
        QCOMPARE(other.wizard.CVIInstallEdit->text(), QString());
        QCOMPARE(other.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\\u6e29.p_s"));
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
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"

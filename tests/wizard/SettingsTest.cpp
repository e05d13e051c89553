// settings.txt at a start: what the loaded values show in the widgets.
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
    void loadedValuesShowInTheirFieldsColouredByThePageRules() {
        StartedWith fixture("CVI Installation Path:\nC:\\missing\n\nMessage Personality:\n"
                            "C:\\\xe6\xb8\xa9.p_s\n\nAnalyser Personality:\nC:\\a.p_a\n\n"
                            "Compiler Personality:\nC:\\gone.p_c\n",
                            [](FakeHost& host) { host.addFile("C:\\\xe6\xb8\xa9.p_s", ""); });
        QCOMPARE(fixture.wizard.CVIInstallEdit->text(), QStringLiteral("C:\\missing"));
        // Names are the system's bytes, UTF-8 here.
        QCOMPARE(fixture.wizard.MsgPersonEdit->text(), QStringLiteral("C:\\\u6e29.p_s"));
        QCOMPARE(fixture.wizard.AnalPersonEdit->text(), QStringLiteral("C:\\a.p_a"));
        QCOMPARE(fixture.wizard.CmpPersonEdit->text(), QStringLiteral("C:\\gone.p_c"));
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

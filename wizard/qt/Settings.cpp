#include <QLineEdit>

#include "LocalBytes.h"
#include "SettingsFile.h"
#include "Tessellon.h"

void Tessellon::loadSettings() {
    const std::optional<wizard::RememberedFields> remembered = wizard::readSettingsFile(*host);
    if (!remembered)
        return;
    const std::pair<const std::optional<std::string>&, QLineEdit*> loaded[] = {
        {remembered->installFolder, CVIInstallEdit},
        {remembered->messagePersonality, MsgPersonEdit},
        {remembered->analyserPersonality, AnalPersonEdit},
        {remembered->compilerPersonality, CmpPersonEdit}};
    for (const auto& [value, field] : loaded) {
        if (value)
            field->setText(fromLocalBytes(*value));
    }
    // A loaded value equal to the field's text changes nothing and so would not run the rule.
    if (remembered->installFolder)
        Page0LineEdit_textchanged(CVIInstallEdit->text());
    if (remembered->messagePersonality || remembered->analyserPersonality ||
        remembered->compilerPersonality)
        Page1LineEdit_textchanged(MsgPersonEdit->text());
}

void Tessellon::saveSettings() {
    wizard::writeSettingsFile(*host, fields());
}

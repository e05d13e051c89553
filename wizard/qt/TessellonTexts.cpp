#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "FormControls.h"
#include "TessellonBase.h"
#include "WizardTexts.h"

void TessellonBase::languageChange() {
    setWindowTitle(tr(wizard::texts::caption));
    for (TessellonPage* page : {Page0, Page1, Page2, Page3})
        page->setTitle(QString());
    for (std::size_t i = 0; i < formWidgets.size(); ++i) {
        const wizard::FormControl& control = wizard::formControls[i];
        QWidget* widget = formWidgets[i];
        if (control.tip)
            widget->setToolTip(tr(control.tip));
        if (!control.text)
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->clear();
            for (const std::string& choice : wizard::choicesOf(control))
                combo->addItem(tr(choice.c_str()));
            continue;
        }
        const QString text = tr(control.text);
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            box->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(text);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->setText(text);
    }
}

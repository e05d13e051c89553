#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "TessellonBase.h"
#include "WizardFields.h"
#include "WizardTexts.h"

void TessellonBase::languageChange() {
    namespace texts = wizard::texts;
    setWindowTitle(tr(texts::caption));
    for (TessellonPage* page : {Page0, Page1, Page2, Page3})
        page->setTitle(QString());

    groupBox1_3->setTitle(QString());
    textLabel1_3_3->setText(tr(texts::welcome));
    textLabel2_2->setText(tr(texts::introduction));
    groupBox1->setTitle(tr(texts::cviBox));
    textLabel1_3->setText(tr(texts::workspaceLabel));
    CVIWorkspaceBrowseBtn->setText(tr(texts::browse));
    textLabel1_3_2->setText(tr(texts::installLabel));
    CVIInstallBrowseBtn->setText(tr(texts::browse));
    CVIInstallEdit->setText(tr(wizard::defaultInstallFolder));
    CVIWorkspaceEdit->setToolTip(tr(texts::workspaceTip));
    groupBox2->setTitle(tr(texts::projectBox));
    textLabel1->setText(tr(texts::folderLabel));
    textLabel1_2->setText(tr(texts::nameLabel));
    CorvaneProjectBrowseBtn->setText(tr(texts::browse));
    CorvaneProjectEdit->setToolTip(tr(texts::destinationTip));
    CorvaneNameEdit->setToolTip(tr(texts::nameTip));

    groupBox1_3_2->setTitle(QString());
    textLabel2_2_2->setText(tr(texts::personalities));
    groupBox2_2->setTitle(tr(texts::compilerBox));
    CmpBrowseBtn->setText(tr(texts::browse));
    CmpPersonEdit->setToolTip(tr(texts::compilerTip));
    groupBox2_2_2->setTitle(tr(texts::analyserBox));
    AnalBrowseBtn->setText(tr(texts::browse));
    groupBox1_2->setTitle(tr(texts::messageBox));
    MsgBrowseBtn->setText(tr(texts::browse));
    MsgPersonEdit->setToolTip(tr(texts::messageTip));

    groupBox1_3_2_2->setTitle(QString());
    textLabel2_2_2_2->setText(tr(texts::extensions));
    groupBox7->setTitle(tr(texts::extensionsBox));
    QCheckBox* const boxes[] = {cppCheck, ccCheck, cxxCheck, cCheck,
                                hCheck,   hhCheck, hppCheck, hxxCheck};
    for (std::size_t box = 0; box < std::size(boxes); ++box)
        boxes[box]->setText(tr(texts::extensionBoxes[box]));
    textLabel2->setText(tr(texts::customLabel));
    CustExtEdit->setToolTip(tr(texts::customTip));
    cdbCheck->setText(tr(texts::compilationDatabaseBox));
}

#pragma once

#include <QPixmap>
#include <QWizard>
#include <vector>

#include "TessellonPage.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

/// The wizard's form: four pages of widgets at fixed positions, each held in a member named
/// like the widget's object name, and every text the user sees, set in languageChange().
class TessellonBase : public QWizard {
    Q_OBJECT

public:
    /// The form with all its pages; without a name it is named "TessellonBase".
    explicit TessellonBase(QWidget* parent = nullptr, const char* name = nullptr,
                           bool modal = false, Qt::WindowFlags flags = {});

    // The widgets of each page, named like their object names.
    TessellonPage* Page0;
    QLabel *pixmapLabel3, *pixmapLabel3_3, *textLabel1_3_3, *textLabel2_2, *textLabel1_3,
        *textLabel1_3_2, *textLabel1, *textLabel1_2;
    QFrame *line1, *line1_2;
    QGroupBox *groupBox1_3, *groupBox1, *groupBox2;
    QPushButton *CVIWorkspaceBrowseBtn, *CVIInstallBrowseBtn, *CorvaneProjectBrowseBtn;
    QLineEdit *CVIInstallEdit, *CVIWorkspaceEdit, *CorvaneProjectEdit, *CorvaneNameEdit;

    TessellonPage* Page1;
    QLabel *pixmapLabel3_2, *pixmapLabel3_3_2, *textLabel2_2_2;
    QFrame *line1_3, *line1_2_2;
    QGroupBox *groupBox1_3_2, *groupBox2_2, *groupBox2_2_2, *groupBox1_2;
    QPushButton *CmpBrowseBtn, *AnalBrowseBtn, *MsgBrowseBtn;
    QLineEdit *CmpPersonEdit, *AnalPersonEdit, *MsgPersonEdit;

    TessellonPage* Page2;
    QLabel *pixmapLabel3_2_2, *pixmapLabel3_3_2_2, *textLabel2_2_2_2, *textLabel2, *cdbFileLabel,
        *cdbConfigLabel;
    QFrame *line1_3_2, *line1_2_2_2;
    QGroupBox *groupBox1_3_2_2, *groupBox7;
    QCheckBox *ccCheck, *cxxCheck, *cCheck, *hCheck, *hhCheck, *hppCheck, *hxxCheck, *cppCheck;
    QLineEdit *CustExtEdit, *cdbFileEdit;
    /// Asks Quorvel for a compilation database as well, and enables the choices that follow.
    QCheckBox* cdbCheck;
    QCheckBox* cdbAppendCheck;
    QPushButton* cdbFileBrowseBtn;
    QComboBox* cdbConfigCombo;

    TessellonPage* Page3;
    QLabel *pixmapLabel3_2_2_2, *pixmapLabel3_3_2_2_2;
    QFrame *line1_3_2_2, *line1_2_2_2_2;
    QTextBrowser* DetailsText;

    /// The widget of the control with the controls::ControlId; null for none.
    QWidget* control(int id) const;

protected:
    void showEvent(QShowEvent* event) override;

protected slots:
    /// Sets every text of the form: captions, labels, tooltips, the initial install folder.
    virtual void languageChange();

private:
    /// Makes the four pages and every control of the form's description on them.
    void createPages();

    QPixmap headerPixmap;
    QPixmap footerPixmap;
    /// The widget of each control of the form's description, in its order.
    std::vector<QWidget*> formWidgets;
};

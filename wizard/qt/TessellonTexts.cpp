#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "TessellonBase.h"

void TessellonBase::languageChange() {
    setWindowTitle(tr("Tessellon 1.0"));
    for (TessellonPage* page : {Page0, Page1, Page2, Page3})
        page->setTitle(QString());

    groupBox1_3->setTitle(QString());
    textLabel1_3_3->setText(tr("Welcome to the Ostrevan :: Tessellon"));
    textLabel2_2->setText(
        tr("This wizard will take you through the steps required to convert your LabWindows CVI "
           "Workspace/Project file to a Corvane/Corvane++ project. \n\nSelect the Lab Windows "
           "workspace/project (.csw/.prj) that you wish to convert.  \nYou also need to specify "
           "the folder into which the Corvane/Corvane++ project will be created.  \nThe "
           "Corvane/Corvane++ project will be named according to the name specified."));
    groupBox1->setTitle(tr("Lab Windows CVI"));
    textLabel1_3->setText(tr("Workspace / Project"));
    CVIWorkspaceBrowseBtn->setText(tr("Browse"));
    textLabel1_3_2->setText(tr("CVI Install Location"));
    CVIInstallBrowseBtn->setText(tr("Browse"));
    CVIInstallEdit->setText(tr("C:\\Program Files\\National Instruments\\CVI85"));
    CVIWorkspaceEdit->setToolTip(tr("Path to the CVI workspace / project file"));
    groupBox2->setTitle(tr("Corvane / Corvane++ Project"));
    textLabel1->setText(tr("Folder"));
    textLabel1_2->setText(tr("Name"));
    CorvaneProjectBrowseBtn->setText(tr("Browse"));
    CorvaneProjectEdit->setToolTip(tr("Destination folder for the Corvane/Corvane++ project."));
    CorvaneNameEdit->setToolTip(tr("Name of the Corvane/Corvane++ project."));

    groupBox1_3_2->setTitle(QString());
    textLabel2_2_2->setText(
        tr("Select the message personality and compiler personality to be used by the Corvane / "
           "Corvane++ \nproject.  \n\nSelect a template analyser personality to use e.g. MISRA, "
           "Velhaus, JSF.\n\nIf you do not select a personality, an empty default personality "
           "will be used."));
    groupBox2_2->setTitle(tr("Compiler Personality"));
    CmpBrowseBtn->setText(tr("Browse"));
    CmpPersonEdit->setToolTip(tr("Path to the compiler personality to use for the project."));
    groupBox2_2_2->setTitle(tr("Template Analyser Personality"));
    AnalBrowseBtn->setText(tr("Browse"));
    groupBox1_2->setTitle(tr("Message Personality"));
    MsgBrowseBtn->setText(tr("Browse"));
    MsgPersonEdit->setToolTip(tr("Path to the message personality to use for the project."));

    groupBox1_3_2_2->setTitle(QString());
    textLabel2_2_2_2->setText(
        tr("Specify which file extensions should be searched for in the Lab WIndows CVI "
           "Project.\nThese files will be added into the Corvane/Corvane++ project.  \n\nYou can "
           "add custom extensions as a comma seperated list of extensions e.g res,xml"));
    groupBox7->setTitle(tr("File Extensions"));
    ccCheck->setText(tr("*.cc"));
    cxxCheck->setText(tr("*.cxx"));
    cCheck->setText(tr("*.c"));
    textLabel2->setText(tr("Custom Extensions"));
    hCheck->setText(tr("*.h"));
    hhCheck->setText(tr("*.hh"));
    hppCheck->setText(tr("*.hpp"));
    hxxCheck->setText(tr("*.hxx"));
    cppCheck->setText(tr("*.cpp"));
    CustExtEdit->setToolTip(tr("Custom extensions list to add files of this type to the project."));
    cdbCheck->setText(tr("Also write compile_commands.json for clang tools"));
}

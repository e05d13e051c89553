#pragma once

#include <QWizardPage>

/// One page of the wizard: its widgets sit at fixed positions, and whether Next (or Finish on
/// the last page) can be pressed is a flag that the wizard sets, not something the page decides.
class TessellonPage : public QWizardPage {
    Q_OBJECT

public:
    /// An empty page whose button starts out enabled.
    explicit TessellonPage(QWidget* parent = nullptr);

    /// Enables or disables the page's Next or Finish button.
    void setComplete(bool enabled);

    bool isComplete() const override { return complete; }

    /// Room for the page's images in full: the widgets sit at fixed places, without a layout
    /// that would tell the wizard how large the page has to be.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

private:
    bool complete = true;
};

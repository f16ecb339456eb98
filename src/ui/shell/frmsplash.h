#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace tarvello {

// The splash window, shown modally at start and again as the About box. Any
// character key or a click on its frame closes it; nothing else does.
class frmSplash : public QDialog
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QFrame *Frame1;
    QLabel *imgLogo;
    QLabel *Image1;
    QLabel *lblCompanyProduct;
    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblCopyright;
    QLabel *lblRulesCredit;
    QLabel *Label1;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismiss();

    bool m_dismissing = false;
};

} // namespace tarvello

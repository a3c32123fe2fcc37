#pragma once
// "Plan Save As": asks for the name the working plan is saved under next.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfSaveAs : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QString PlanName READ GetPlanName WRITE SetPlanName)
public:
    explicit TfSaveAs(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr; // old name, read only
    QLineEdit *Edit2 = nullptr; // new name
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;

    // The new name as typed, blanks included.
    QString GetPlanName() const;
    // Shows the name as both the old and the new name.
    void SetPlanName(const QString &name);

    void btnOkClick();

    // Top-left corner for a dialog of the given size: centred across the
    // main window and 96 pixels below its top.
    static QPoint PositionOn(const QRect &mainWindow, const QSize &dialog);
};

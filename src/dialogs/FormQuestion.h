#pragma once

#include <string>

#include <QDialog>

#include "launcher/PanelInterfaces.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

// The About window "バージョン情報".
class FormQuestion : public QDialog {
    Q_OBJECT
public:
    FormQuestion(IShell& shell, std::string appDir);

    QLabel* label1() const { return label1_; }
    QLabel* label4() const { return label4_; }
    QPlainTextEdit* text1() const { return text1_; }
    QPushButton* command1() const { return command1_; }

    // Opens the read-me beside the executable; the shell's answer is not looked at.
    void OpenReadme();

    // Names the toolkit and compiler this program was built with.
    static std::string ToolCredit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IShell& shell_;
    std::string appDir_;
    QLabel* label1_ = nullptr;
    QLabel* label4_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace velmora

#pragma once

#include "core/dialogs/AboutDialogLogic.h"
#include "qt/ModalDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class CompactTextLabel;

// The About window "バージョン情報".
class AboutDialog : public ModalDialog, public IAboutView {
    Q_OBJECT
  public:
    explicit AboutDialog(AboutDialogLogic& logic);

    QLabel* titleLine() const { return titleLine_; }
    CompactTextLabel* description() const { return description_; }
    QPlainTextEdit* credits() const { return credits_; }
    QPushButton* backButton() const { return backButton_; }

    void SetTitleLine(const std::string& text) override;
    void SetDescription(const std::string& text) override;
    void SetCredits(const std::string& text) override;
    void Close() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AboutDialogLogic& logic_;
    QLabel* titleLine_ = nullptr;
    CompactTextLabel* description_ = nullptr;
    QPlainTextEdit* credits_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace velmora

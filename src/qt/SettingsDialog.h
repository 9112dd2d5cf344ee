#pragma once

#include "core/dialogs/SettingsDialogLogic.h"
#include "qt/ModalDialog.h"

class QComboBox;
class QPushButton;

namespace velmora {

class SelectAllLineEdit;

// The settings dialog "設定": corner, trigger strip thickness, width factor.
class SettingsDialog : public ModalDialog, public ISettingsView {
    Q_OBJECT
  public:
    explicit SettingsDialog(SettingsDialogLogic& logic);

    QComboBox* cornerList() const { return cornerList_; }
    SelectAllLineEdit* pixelBox() const { return pixelBox_; }
    QComboBox* widthList() const { return widthList_; }
    QPushButton* updateButton() const { return updateButton_; }
    QPushButton* abortButton() const { return abortButton_; }

    int CornerIndex() const override;
    void SetCornerIndex(int index) override;
    std::string PixelText() const override;
    void SetPixelText(const std::string& text) override;
    int WidthIndex() const override;
    void SetWidthIndex(int index) override;
    void FocusPixelText() override;
    void Close() override;

  private:
    QComboBox* cornerList_ = nullptr;
    SelectAllLineEdit* pixelBox_ = nullptr;
    QComboBox* widthList_ = nullptr;
    QPushButton* updateButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
};

}  // namespace velmora

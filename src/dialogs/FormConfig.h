#pragma once

#include <QDialog>

#include "dialogs/ConfigDialogLogic.h"

class QComboBox;
class QPushButton;

namespace velmora {

class SelectAllLineEdit;

// The settings dialog "設定": corner, trigger strip thickness, width factor.
class FormConfig : public QDialog, public IConfigView {
    Q_OBJECT
public:
    FormConfig(Settings& settings, IMessageBox& messages, std::function<void()> applyWidthChange);

    QComboBox* combo1(int index) const { return combo1_[index]; }
    SelectAllLineEdit* text1() const { return text1_; }
    QPushButton* command1(int index) const { return command1_[index]; }

    int CornerIndex() const override;
    void SetCornerIndex(int index) override;
    std::string PixelText() const override;
    void SetPixelText(const std::string& text) override;
    int WidthIndex() const override;
    void SetWidthIndex(int index) override;
    void FocusPixelText() override;
    void Close() override;

private:
    QComboBox* combo1_[2] = {};
    SelectAllLineEdit* text1_ = nullptr;
    QPushButton* command1_[2] = {};
    ConfigDialogLogic logic_;
};

}  // namespace velmora

#pragma once

#include <functional>
#include <memory>

#include <QTimer>
#include <QWidget>

#include "launcher/FormMainLogic.h"
#include "launcher/QtListControl.h"

class QLabel;
class QPushButton;

namespace velmora {

class ArgumentLabel;
class ItemListWidget;

// The panel: a narrow, borderless, always-on-top window out of the taskbar. It lays out its
// controls, adapts them to the behaviour's interfaces and forwards their events.
class FormMain : public QWidget, public IPanelView, public ITimer {
    Q_OBJECT
public:
    FormMain(Settings& settings, IScreen& screen, IMessageBox& messages, IShell& shell,
             IDialogHost& dialogs, PathStyle pathStyle, QWidget* parent = nullptr);
    ~FormMain() override;

    FormMainLogic& logic() { return *logic_; }

    // Called once when the panel unloads, however that happens.
    std::function<void()> onUnload;

    // Into the topmost band at the screen origin, keeping the size.
    void MakeTopmost();

    ItemListWidget* list1() const { return list1_; }
    ArgumentLabel* label2() const { return label2_; }
    QLabel* label1() const { return label1_; }
    QPushButton* command1(int index) const { return command1_[index]; }
    QPushButton* command2() const { return command2_; }
    QTimer* timer1() { return &timer1_; }
    const IListControl& list2() const { return list2_; }
    double borderX() const { return borderX_; }

    // IPanelView
    double Width() const override;
    void SetWidth(double twips) override;
    double Height() const override;
    double Left() const override;
    double Top() const override;
    void SetLeft(double twips) override;
    void SetTop(double twips) override;
    bool IsVisible() const override;
    void Show() override;
    void Hide() override;
    double ListWidth() const override;
    void SetListWidth(double twips) override;
    void SetBorderX(double twips) override;
    void SetKeyHelp(const std::string& text) override;
    void SetArgumentLabelLook(bool bold, const std::string& toolTip) override;
    void Unload() override;

    // ITimer
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();

    ItemListWidget* list1_ = nullptr;
    ArgumentLabel* label2_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* command1_[3] = {};
    QPushButton* command2_ = nullptr;
    QTimer timer1_;
    std::unique_ptr<QtListControl> list1Control_;
    StringListControl list2_;
    double borderX_ = 0;
    bool unloaded_ = false;
    std::unique_ptr<FormMainLogic> logic_;
};

}  // namespace velmora

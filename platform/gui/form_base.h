#pragma once
// Base class of every form: name and caption, the focus manager, the active control, Show/ShowModal
// through their seams, Close with its query, and lookup of components by name.
//
// Derived forms build their widgets (usually from a layout table, form_builder.h), wire their event
// slots, then call DoCreate(). A derived destructor that has OnDestroy work touching its own members
// calls runDestroy() first; otherwise ~FormBase runs OnDestroy.

#include "platform/data/error.h"
#include "platform/gui/control.h"
#include "platform/gui/focus_manager.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QEventLoop;

namespace vq {
class DataSource;
class ClientDataSet;
} // namespace vq

namespace vq::gui {

// Modal results.
namespace mr {
inline constexpr int None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7, All = 8;
}

enum class CloseAction { None, Hide, Free, Minimize };

class FormBase : public QWidget {
public:
    // `className` is the form class's name (TfrmCliente); the Name starts as that name without the T.
    explicit FormBase(std::string className, QWidget* parent = nullptr);
    ~FormBase() override;

    NotifyEvent OnCreate;
    NotifyEvent OnDestroy;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    std::function<void(CloseAction& action)> OnClose;
    std::function<void(bool& canClose)> OnCloseQuery;
    // With KeyPreview the form sees every key of its controls first.
    bool KeyPreview = false;
    KeyEvent OnKeyDown;
    KeyPressEvent OnKeyPress;

    const std::string& ClassName() const { return className_; }
    std::string Name() const;
    void SetName(std::string_view name);
    std::string Caption() const;
    void SetCaption(std::string_view caption);

    Control* ActiveControl() const { return focus_->active(); }
    void SetActiveControl(Control* control); // as SetFocus
    void SetFocus(Control& control) { focus_->setFocus(control); }
    bool SelectNext(Control* current, bool forward = true, bool checkTabStop = true);
    FocusManager& focusManager() { return *focus_; }

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result); // a non-zero result closes a modal form
    bool Modal() const { return loop_ != nullptr; }

    void DoCreate(); // runs OnCreate; exceptions reach the caller
    void Show();     // through seams::showForm
    int ShowModal(); // through seams::showModal
    void Close();    // a modal form ends its ShowModal (result Cancel unless set)
    void Release();  // OnDestroy, then deleted once control returns to the event loop
    void Activate(); // makes this the active form (OnActivate when it was not)

    // What the default seams do: show now (OnShow, visible, active), and run a local event loop until
    // the modal result is set and the close is allowed.
    void showNow();
    int execModal();
    // Ends a running ShowModal with the given result, skipping OnCloseQuery (the driver's way out).
    void abortModal(int result = mr::Cancel);

    template <class T = QObject> T* findComponent(std::string_view name) const {
        for (QObject* o :
             findChildren<QObject*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))))
            if (auto* t = dynamic_cast<T*>(o))
                return t;
        return nullptr;
    }
    // Throws vq::Error naming the component when it is missing or of another kind.
    template <class T = QObject> T* component(std::string_view name) const {
        if (T* t = findComponent<T>(name))
            return t;
        throw Error("Componente " + std::string(name) + " não encontrado em " + Name() + ".");
    }

    // Data sources and datasets by name, for form tables and the automation driver.
    void addDataSource(std::string name, DataSource& source) { dataSources_[std::move(name)] = &source; }
    DataSource* dataSource(std::string_view name) const;
    void addDataSet(std::string name, ClientDataSet& dataSet) { dataSets_[std::move(name)] = &dataSet; }
    ClientDataSet* dataSet(std::string_view name) const;
    const std::map<std::string, ClientDataSet*, std::less<>>& dataSets() const { return dataSets_; }
    // Values the automation driver may print that are neither controls nor datasets (a form's SQL
    // queries): a reader answers the text of `owner.item`, or nullopt when `owner` is not one of its own.
    using ItemReader =
        std::function<std::optional<std::string>(std::string_view owner, std::string_view item)>;
    void addItemReader(ItemReader reader) { itemReaders_.push_back(std::move(reader)); }
    std::optional<std::string> readItem(std::string_view owner, std::string_view item) const;

protected:
    void runDestroy() noexcept;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    bool closeAllowed(CloseAction& action); // OnCloseQuery then OnClose; exceptions reach the caller
    void applyCloseAction(CloseAction action);

    std::string className_;
    FocusManager* focus_; // owned as a QObject child
    int modalResult_ = mr::None;
    QEventLoop* loop_ = nullptr;
    bool modalAborted_ = false;
    bool destroyed_ = false;
    std::map<std::string, DataSource*, std::less<>> dataSources_;
    std::map<std::string, ClientDataSet*, std::less<>> dataSets_;
    std::vector<ItemReader> itemReaders_;
};

} // namespace vq::gui

#include "platform/gui/form_base.h"

#include "platform/gui/form_registry.h"
#include "platform/gui/guard.h"
#include "platform/gui/seams.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace vq::gui {
namespace {

std::string initialName(const std::string& className) {
    return !className.empty() && className.front() == 'T' ? className.substr(1) : className;
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

FormBase::FormBase(std::string className, QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : Qt::Window), className_(std::move(className)),
      focus_(new FocusManager(*this)) {
    setObjectName(qs(initialName(className_)));
    forms::added(*this);
}

FormBase::~FormBase() {
    runDestroy();
    forms::removed(*this);
}

void FormBase::runDestroy() noexcept {
    if (destroyed_)
        return;
    destroyed_ = true;
    fire("OnDestroy", OnDestroy);
}

std::string FormBase::Name() const {
    return objectName().toStdString();
}
void FormBase::SetName(std::string_view name) {
    setObjectName(qs(name));
}
std::string FormBase::Caption() const {
    return windowTitle().toStdString();
}
void FormBase::SetCaption(std::string_view caption) {
    setWindowTitle(qs(caption));
}

void FormBase::SetActiveControl(Control* control) {
    if (control)
        focus_->setFocus(*control);
}

bool FormBase::SelectNext(Control* current, bool forward, bool checkTabStop) {
    return focus_->selectNext(*this, current, forward, checkTabStop);
}

DataSource* FormBase::dataSource(std::string_view name) const {
    const auto it = dataSources_.find(name);
    return it == dataSources_.end() ? nullptr : it->second;
}

ClientDataSet* FormBase::dataSet(std::string_view name) const {
    const auto it = dataSets_.find(name);
    return it == dataSets_.end() ? nullptr : it->second;
}

std::optional<std::string> FormBase::readItem(std::string_view owner, std::string_view item) const {
    for (const ItemReader& reader : itemReaders_)
        if (auto text = reader(owner, item))
            return text;
    return std::nullopt;
}

void FormBase::DoCreate() {
    if (OnCreate)
        OnCreate();
}

void FormBase::Show() {
    seams::showForm()(*this);
}

int FormBase::ShowModal() {
    return seams::showModal()(*this);
}

void FormBase::showNow() {
    // Not on screen yet, whether hidden itself or inside a frame not shown yet (a host sub-window).
    if (!isVisible() && OnShow)
        OnShow();
    show();
    raise();
    activateWindow();
    Activate();
}

void FormBase::Activate() {
    forms::setActive(this);
}

void FormBase::SetModalResult(int result) {
    modalResult_ = result;
    if (loop_ && result != mr::None)
        loop_->quit();
}

void FormBase::abortModal(int result) {
    if (!loop_)
        return;
    modalAborted_ = true;
    SetModalResult(result == mr::None ? mr::Cancel : result);
}

bool FormBase::closeAllowed(CloseAction& action) {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose)
        return false;
    if (OnClose)
        OnClose(action);
    return action != CloseAction::None;
}

void FormBase::applyCloseAction(CloseAction action) {
    switch (action) {
    case CloseAction::None:
        return;
    case CloseAction::Minimize:
        showMinimized();
        return;
    case CloseAction::Hide:
        hide();
        return;
    case CloseAction::Free:
        hide();
        Release();
        return;
    }
}

void FormBase::Close() {
    if (loop_) {
        SetModalResult(modalResult_ == mr::None ? mr::Cancel : modalResult_);
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (closeAllowed(action))
        applyCloseAction(action);
}

void FormBase::Release() {
    runDestroy();
    deleteLater();
}

int FormBase::execModal() {
    if (loop_)
        throw Error("O formulário " + Name() + " já está aberto em modo modal.");
    QPointer<FormBase> self(this);
    modalResult_ = mr::None;
    modalAborted_ = false;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    loop_ = &loop;
    forms::pushModal(*this);
    CloseAction action = CloseAction::Hide;
    try {
        showNow();
        for (;;) {
            if (modalResult_ == mr::None)
                loop.exec(QEventLoop::DialogExec);
            if (!self)
                return mr::Cancel; // destroyed while running
            if (modalAborted_)
                break;
            bool allowed = false;
            guarded("fechar", [&] { allowed = closeAllowed(action); });
            if (allowed)
                break;
            action = CloseAction::Hide;
            modalResult_ = mr::None;
        }
    } catch (...) {
        if (self) {
            loop_ = nullptr;
            forms::popModal(*this);
            hide();
        }
        throw;
    }
    const int result = modalResult_;
    loop_ = nullptr;
    hide();
    forms::popModal(*this);
    if (action == CloseAction::Free)
        Release();
    return result;
}

void FormBase::closeEvent(QCloseEvent* e) {
    e->ignore(); // Close() decides, and hides or frees the form itself
    guarded("fechar", [this] { Close(); });
}

void FormBase::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isWindow() && isActiveWindow())
        Activate();
}

void FormBase::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (e->spontaneous())
        return;
    if (!loop_ && forms::active() == this)
        forms::setActive(nullptr);
    fire("OnHide", OnHide);
}

namespace seams {

int defaultShowModal(FormBase& form) {
    return form.execModal();
}

void defaultShowForm(FormBase& form) {
    form.showNow();
}

} // namespace seams

} // namespace vq::gui

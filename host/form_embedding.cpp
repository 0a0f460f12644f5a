#include "host/form_embedding.h"

#include "platform/gui/form_base.h"

#include <QEvent>
#include <QMdiSubWindow>

namespace vq::host {

namespace {

// Keeps a sub-window in step with its form: a form that hides itself (closing with the hide action)
// takes its frame with it, and comes back with it when shown again.
class FollowForm : public QObject {
public:
    explicit FollowForm(QMdiSubWindow& sub) : QObject(&sub), sub_(sub) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == sub_.widget()) {
            if (event->type() == QEvent::HideToParent)
                sub_.hide();
            else if (event->type() == QEvent::ShowToParent)
                sub_.show();
        }
        return false;
    }

private:
    QMdiSubWindow& sub_;
};

QMdiSubWindow* subWindowOf(QMdiArea& area, gui::FormBase& form) {
    for (QMdiSubWindow* sub : area.subWindowList())
        if (sub->widget() == &form)
            return sub;
    return nullptr;
}

} // namespace

void embedForm(QMdiArea& area, gui::FormBase& form) {
    QMdiSubWindow* sub = subWindowOf(area, form);
    if (!sub) {
        const QSize size = form.size();
        sub = area.addSubWindow(&form);                 // the form becomes the sub-window's child
        sub->setAttribute(Qt::WA_DeleteOnClose, false); // the form decides whether it goes (Close)
        form.installEventFilter(new FollowForm(*sub));
        // A form freed by its module takes its empty frame with it.
        QObject::connect(&form, &QObject::destroyed, sub, &QObject::deleteLater);
        sub->resize(sub->sizeHint().expandedTo(size));
        sub->move(0, 0); // the form's own screen position means nothing inside the area
    }
    form.showNow();
    sub->show();
    area.setActiveSubWindow(sub);
    form.Activate();
}

void releaseEmbeddedForms(QMdiArea& area) {
    for (QMdiSubWindow* sub : area.subWindowList())
        if (auto* form = dynamic_cast<gui::FormBase*>(sub->widget())) {
            form->removeEventFilter(sub->findChild<FollowForm*>());
            form->hide();
            form->setParent(nullptr, Qt::Window);
        }
}

} // namespace vq::host

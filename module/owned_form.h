#pragma once
// A form created for one modal showing: freed when the launcher is done with it, unless its own close
// already freed it. The pointer is weak, so a form that is gone is never touched.

#include <QPointer>
#include <memory>

namespace vq::module {

template <class Form> class OwnedForm {
public:
    explicit OwnedForm(std::unique_ptr<Form> form) : form_(form.release()) {}
    ~OwnedForm() { delete form_.data(); }
    OwnedForm(const OwnedForm&) = delete;
    OwnedForm& operator=(const OwnedForm&) = delete;

    Form* get() const { return form_.data(); }
    Form* operator->() const { return form_.data(); }
    explicit operator bool() const { return !form_.isNull(); }

private:
    QPointer<Form> form_;
};

} // namespace vq::module

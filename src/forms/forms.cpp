#include "forms/forms.h"

#include <QHash>
#include <QPointer>

namespace
{
QHash<QByteArray, QPointer<Form>> &live()
{
    static QHash<QByteArray, QPointer<Form>> forms;
    return forms;
}
} // namespace

Form *Forms::find(const char *name)
{
    return live().value(name);
}

void Forms::adopt(Form *form)
{
    live().insert(form->metaObject()->className(), form);
}

void Forms::forget(Form *form)
{
    const QByteArray name = form->metaObject()->className();
    if (live().value(name) == form) live().remove(name);
}

void Forms::unloadAll()
{
    const auto forms = live().values();
    live().clear();
    for (const QPointer<Form> &form : forms)
        delete form.data();
}

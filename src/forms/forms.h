#pragma once

#include "forms/form.h"

// The registry of the program's forms: each form is reached by its form name
// (its class name), created on first use with its load handler run then.
namespace Forms
{

Form *find(const char *name);
void adopt(Form *form);
void forget(Form *form);
void unloadAll(); // destroys every form without running its unload handler

template <class F> F &form()
{
    const char *name = F::staticMetaObject.className();
    if (Form *existing = find(name)) return *static_cast<F *>(existing);
    auto *created = new F;
    created->setObjectName(QString::fromLatin1(name));
    adopt(created);
    created->Form_Load();
    created->followZoom();
    return *created;
}

template <class F> bool isLoaded()
{
    return find(F::staticMetaObject.className()) != nullptr;
}

// Makes a window visible and brings it to the front, creating it if needed.
template <class F> F &show()
{
    F &f = form<F>();
    f.show();
    f.raise();
    f.activateWindow();
    return f;
}

} // namespace Forms

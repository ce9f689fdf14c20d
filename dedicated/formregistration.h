#pragma once
// How a dedicated window makes itself known to the program that hosts it: its own file
// defines the factory of its form class,
//   TRQ_DEFINE_FORM(TPortControlForm, PortControlForm)   (or TRQ_DEFINE_LOCAL_FORM(Class))
// which creates the form into its global pointer (PortControlForm) and clears that
// pointer again. The host names the factories without the windows' headers:
//   TRQ_EXTERN_FORM(TPortControlForm);   declares Create_TPortControlForm and Forget_TPortControlForm
//   TRQ_FORM_OF(TPortControlForm)        their addresses, for a row of the host's form table
// (the main window's: mainwin/formtable.cpp). A factory so named is linked wherever the
// host is, and the window knows nothing of the host.
class QDialog;
class QWidget;

// Factories of a form class whose global pointer is Global (or none).
template <class Form, Form** Global>
QDialog* CreateForm(QWidget* owner)
{
    *Global = new Form(owner);
    return *Global;
}
template <class Form, Form** Global>
void ForgetForm()
{
    *Global = nullptr;
}
template <class Form>
QDialog* CreateLocalForm(QWidget* owner)
{
    return new Form(owner);
}

#define TRQ_EXTERN_FORM(Class)                                                                     \
    QDialog* Create_##Class(QWidget* owner);                                                     \
    void Forget_##Class()
#define TRQ_FORM_OF(Class) &Create_##Class, &Forget_##Class
#define TRQ_DEFINE_FORM(Class, Global)                                                             \
    QDialog* Create_##Class(QWidget* owner) { return CreateForm<Class, &Global>(owner); }        \
    void Forget_##Class() { ForgetForm<Class, &Global>(); }
#define TRQ_DEFINE_LOCAL_FORM(Class)                                                               \
    QDialog* Create_##Class(QWidget* owner) { return CreateLocalForm<Class>(owner); }           \
    void Forget_##Class() {}

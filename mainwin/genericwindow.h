#pragma once
// Builds the generic MIB window (TConfigForm) of one catalogue record, the way every
// generic menu entry builds it: the window, its request bound to it, the variable list
// from the record's descriptor table, the table or scalar-group mode, the input formats and
// the layout adjustments. The caller captions the window, shows it modally and deletes it.
#include <string>

struct TCatalogueRecord;
class TConfigForm;
class TSNMPEditorPanel;
class VhSNMPRequest2Edits;

struct TGenericWindow {
    const TCatalogueRecord* Record = nullptr; // the record it was built from
    TConfigForm* Form = nullptr;            // the caller's
    VhSNMPRequest2Edits* Request = nullptr; // owned by Form
    TSNMPEditorPanel* Panel = nullptr;      // the scalar-group panel, or the table panel
};

// k pixels at the main window's scale factor, truncated toward zero.
int Scaled(int k, float scaleFactor);

// suffix: the instance suffix of every object (the port popup's port number), or empty.
// Raises what the window raises while it is built; nothing is left behind then.
TGenericWindow BuildGenericWindow(const TCatalogueRecord& record, float scaleFactor,
                                  const std::string& suffix = std::string());

// The caption of a record's window: Title + ": " + address, or the record's own prefix +
// address.
std::string GenericWindowCaption(const TCatalogueRecord& record, const std::string& deviceAddress);

// TTransResultForm: the result window of the importer, two editable lists
// (converted lines above, rejected lines below) with a splitter between them.
// Modeless, owned by the import window; its close button only hides it.
#pragma once
#include "platform/Form.h"
#include "platform/Memo.h"
#include "platform/Panel.h"
#include "platform/Splitter.h"

class TTransResultForm : public TForm {
public:
    explicit TTransResultForm(TComponent* AOwner);

    TPanel* Panel9;
    TSplitter* Splitter4;
    TPanel* Panel7;
    TMemo* FailList;
    TMemo* SuccessList;

    void FormClose(TObject* Sender, TCloseAction& Action);
};

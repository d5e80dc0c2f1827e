//---------------------------------------------------------------------------
// Inventory: a small stock-keeping form, written the way C++Builder
// projects usually look. Used by the demo and the tests.
//---------------------------------------------------------------------------
#include <vcl.h>
#pragma hdrstop

#include "Inventory.h"
#include <stdio.h>
//---------------------------------------------------------------------------
#pragma package(smart_init)
#pragma resource "*.dfm"
TfrmInventory *frmInventory;

static const int MaxItems = 500;
static int ItemCount = 0;
//---------------------------------------------------------------------------
__fastcall TfrmInventory::TfrmInventory(TComponent *Owner) : TForm(Owner) {
    ItemCount = 0;
}
//---------------------------------------------------------------------------
// Returns the index of the item with the given code, or -1.
int FindItem(const char *code) {
    for (int i = 0; i < ItemCount; i++) {
        if (strcmp(Items[i].Code, code) == 0)
            return i;
    }
    return -1;
}
//---------------------------------------------------------------------------
// Adds an item to the stock list.
// The quantity is clipped to zero; the price is kept as entered.
bool AddItem(const char *code, const char *name, int quantity, double price) {
    if (ItemCount >= MaxItems)
        return false;
    Items[ItemCount].Quantity = quantity < 0 ? 0 : quantity;
    Items[ItemCount].Price = price;
    ItemCount++;
    return true;
}
//---------------------------------------------------------------------------
/* Value of the whole stock, in cents so that sums stay exact. */
long StockValue(void) {
    long total = 0;
    for (int i = 0; i < ItemCount; i++)
        total += (long)(Items[i].Price * 100) * Items[i].Quantity;
    return total;
}
//---------------------------------------------------------------------------
void __fastcall TfrmInventory::btnAddClick(TObject *Sender) {
    int quantity = StrToIntDef(edtQuantity->Text, 0);
    if (!AddItem(edtCode->Text.c_str(), edtName->Text.c_str(), quantity, StrToFloat(edtPrice->Text)))
        ShowMessage("The stock list is full.");
    RefreshList();
}
//---------------------------------------------------------------------------
void __fastcall TfrmInventory::RefreshList() {
    lstItems->Items->BeginUpdate();
    lstItems->Items->Clear();
    for (int i = 0; i < ItemCount; i++)
        lstItems->Items->Add(Items[i].Name);
    lstItems->Items->EndUpdate();
    lblTotal->Caption = FormatFloat("0.00", StockValue() / 100.0);
}
//---------------------------------------------------------------------------
// Writes the stock list as comma separated values.
void __fastcall TfrmInventory::ExportCsv(const AnsiString FileName) {
    FILE *out = fopen(FileName.c_str(), "wt");
    if (!out)
        return;
    for (int i = 0; i < ItemCount; i++)
        fprintf(out, "%s,%d\n", Items[i].Code, Items[i].Quantity);
    fclose(out);
}
//---------------------------------------------------------------------------
void __fastcall TfrmInventory::FormClose(TObject *Sender, TCloseAction &Action) {
    ExportCsv("inventory.csv");
    Action = caFree;
}
//---------------------------------------------------------------------------

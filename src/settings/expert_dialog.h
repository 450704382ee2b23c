#pragma once

// TFAM, the expert dialog: the index file, its URL path and the filter lists given by hand,
// bypassing the catalog. It always shows what the settings file holds.

#include "platform/form_spec.h"

namespace qu {

class ExpertOwner {
 public:
  virtual ~ExpertOwner() = default;
  virtual bool runInProgress() const = 0;
  // A change is waiting for an Apply; after Btn_ApplyClick it means the Apply did not write.
  virtual bool modified() const = 0;
  // Modified := 1, ButtEn, SelectionMode := 4836, RadioBtnsClick.
  virtual void enterExpertMode() = 0;
  // Modified := 1, SelectionMode := SavedSelectionMode.
  virtual void restoreSelectionMode() = 0;
  // restoreSelectionMode, then RadioBtnsClick, and ButtEn when no run is in progress (an Update
  // whose start did not happen must not leave Start usable without an Apply).
  virtual void leaveExpertMode() = 0;
  virtual void Btn_ApplyClick() = 0;
  virtual void Btn_StartClick() = 0;
};

class TFAM : public DesignedForm {
 public:
  TFAM(Form& mainWindow, ExpertOwner& owner);

  // Turns the expert-mode marker on and enters expert mode in the main window.
  void RB_AMClick();

  GroupBox& GB_AM;
  LabeledEdit& LE_IndexFN;
  LabeledEdit& LE_UrlPath;
  LabeledEdit& LE_Bld;
  LabeledEdit& LE_App;
  LabeledEdit& LE_Cmp;
  LabeledEdit& LE_OS;
  LabeledEdit& LE_Lng;
  RadioButton& RB_AM;
  Button& Btn_Start;
  Button& Btn_Close;

 private:
  void FormShow();
  void Btn_StartClick();
  void Btn_CloseClick();
  void FormClose();

  ExpertOwner& owner_;
};

}  // namespace qu

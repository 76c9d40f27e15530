#pragma once
// Marks a dialog as skinned. Destroying a skinned dialog through this base destroys the
// whole dialog.

class CSkinable {
public:
  CSkinable() = default;
  virtual ~CSkinable() = default;
};

// The hidden window that holds the background pictures of the response graphs: Picture1 for
// the magnitude view, Picture2 for the phase view. The graph routines paint them into a graph
// at the size the window's load records.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmImage : public ui::Form {
  public:
    explicit FrmImage(State& s);

    ui::PictureBox Picture1{*this, "Picture1"};
    ui::PictureBox Picture2{*this, "Picture2"};

  protected:
    // Records the extent of Picture1 in ImgScaleW and ImgScaleH.
    void Form_Load() override;

  private:
    void LayOut();

    State& s_;
};

// The picture window, created and loaded (never shown) on first use.
FrmImage& FrmImageOf(State& s);

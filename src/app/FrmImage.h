// The hidden window that holds the background pictures of the response graphs: Picture1 for
// the magnitude view, Picture2 for the phase view. The graph routines paint them into a graph
// at the size the window's load records.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

class FrmImage : public ui::Form {
  public:
    explicit FrmImage(ui::Host& host);

    ui::PictureBox Picture1{*this, "Picture1"};
    ui::PictureBox Picture2{*this, "Picture2"};

  private:
    void LayOut();
};

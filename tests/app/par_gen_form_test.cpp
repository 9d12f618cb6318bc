// The communication-parameters window on the headless kit: loading, the check on OK, saving,
// the question on Cancel, the "." chain of the address parts, collapse and expand.
#include "app/par_gen_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lb_button.h"
#include "testkit/temp_folder.h"
#include "platform/files.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;
using testkit::TempFolder;

class ParGenFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Load_Default_Texts();
    state.SW_Code = TAppState::SW_Code_Const;
    state.Path_ParGen = dir.File("ParGen.xml");
    form = std::make_unique<TFParGen>(nullptr, state);
    form->AfterConstruction();
  }
  void TearDown() override { form.reset(); }

  // Every field with the element it shows, in file order.
  struct Field {
    const char* Element;
    TEdit* Edit;
    TCheckBox* Check;
  };
  std::vector<Field> Fields() const {
    TFParGen& f = *form;
    return {{"EtherNetIP_IP1", f.E_IP1, nullptr},
            {"EtherNetIP_IP2", f.E_IP2, nullptr},
            {"EtherNetIP_IP3", f.E_IP3, nullptr},
            {"EtherNetIP_IP4", f.E_IP4, nullptr},
            {"EtherNetIP_SM1", f.E_SM1, nullptr},
            {"EtherNetIP_SM2", f.E_SM2, nullptr},
            {"EtherNetIP_SM3", f.E_SM3, nullptr},
            {"EtherNetIP_SM4", f.E_SM4, nullptr},
            {"EtherNetIP_GAT1", f.E_GAT1, nullptr},
            {"EtherNetIP_GAT2", f.E_GAT2, nullptr},
            {"EtherNetIP_GAT3", f.E_GAT3, nullptr},
            {"EtherNetIP_GAT4", f.E_GAT4, nullptr},
            {"EtherNetIP_EN_GAT", nullptr, f.CB_EN_GAT},
            {"EtherNetIP_PORT", f.E_PORT, nullptr},
            {"EtherNetIP_NB_Input", f.E_NB_Input, nullptr},
            {"EtherNetIP_NB_Output", f.E_NB_Output, nullptr},
            {"EtherNetIP_EN_Diagnostic", nullptr, f.CB_PROFINET_En_Diagnostic},
            {"EtherNetIP_Diagn_Add", f.E_PROFINET_Diagnostic_Address, nullptr},
            {"Modbus_TCP_Master_TimeOut", f.E_TO_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_Cyclic", f.E_CD_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_IP1", f.E_IP1_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_IP2", f.E_IP2_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_IP3", f.E_IP3_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_IP4", f.E_IP4_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_SM1", f.E_SM1_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_SM2", f.E_SM2_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_SM3", f.E_SM3_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_SM4", f.E_SM4_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_GAT1", f.E_GAT1_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_GAT2", f.E_GAT2_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_GAT3", f.E_GAT3_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_GAT4", f.E_GAT4_Modbus_TCP_Master, nullptr},
            {"Modbus_TCP_Master_EN_GAT", nullptr, f.CB_En_GAT_Modbus_TCP_Master}};
  }

  // Focuses the edit (which selects its text) and types over it, as a user does.
  void TypeInto(TEdit* edit, const std::string& text) {
    edit->SetFocus();
    kit.Type(text);
  }

  TGuiKit kit;
  TempFolder dir;
  TAppState state;
  std::unique_ptr<TFParGen> form;
};

// A value per field that no other field has, and check boxes ticked and not in turn.
TParGen DistinctValues() {
  TParGen p;
  int n = 0;
  for (const TParGenElement& e : ParGenElements()) {
    ++n;
    if (e.Text)
      p.*e.Text = std::to_string(n);
    else
      p.*e.Checked = n % 2 == 1;
  }
  return p;
}

TEST_F(ParGenFormTest, ShowingLoadsEveryFieldFromTheFileAndCancelWithoutChangesAsksNothing) {
  const TParGen saved = DistinctValues();
  SaveParGen(saved, state.Path_ParGen);
  kit.OnModal([&](TCustomForm*) {
    const auto& elements = ParGenElements();
    const std::vector<Field> fields = Fields();
    ASSERT_EQ(fields.size(), elements.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const TParGenElement& e = elements[i];
      SCOPED_TRACE(e.Name);
      ASSERT_EQ(std::string(fields[i].Element), e.Name);
      if (!e.Text)
        EXPECT_EQ(fields[i].Check->Checked(), saved.*e.Checked);
      else if (std::string(e.Name) == "EtherNetIP_PORT")
        EXPECT_EQ(fields[i].Edit->Text(), "44818") << "the port always reads 44818";
      else
        EXPECT_EQ(fields[i].Edit->Text(), saved.*e.Text);
    }
    EXPECT_FALSE(form->Is_Change) << "the load's own change events do not count";
    kit.Click(form->Btn_Cancel);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_TRUE(kit.MessageBoxes().empty());
}

TEST_F(ParGenFormTest, FreshConfigurationShowsTheDefaultsAndOkWritesExactlyThem) {
  kit.OnModal([&](TCustomForm*) {
    const std::vector<std::pair<TEdit*, std::string>> shown = {{form->E_IP1, "192"},
                                                               {form->E_IP4, "5"},
                                                               {form->E_SM3, "255"},
                                                               {form->E_SM4, "0"},
                                                               {form->E_GAT4, "1"},
                                                               {form->E_PORT, "44818"},
                                                               {form->E_NB_Input, "496"},
                                                               {form->E_NB_Output, "496"},
                                                               {form->E_PROFINET_Diagnostic_Address, "0"},
                                                               {form->E_TO_Modbus_TCP_Master, "1000"},
                                                               {form->E_CD_Modbus_TCP_Master, "100"},
                                                               {form->E_IP4_Modbus_TCP_Master, "10"}};
    for (const auto& [edit, text] : shown) EXPECT_EQ(edit->Text(), text);
    EXPECT_FALSE(form->CB_EN_GAT->Checked());
    EXPECT_FALSE(form->CB_PROFINET_En_Diagnostic->Checked());
    EXPECT_FALSE(form->CB_En_GAT_Modbus_TCP_Master->Checked());
    EXPECT_FALSE(form->E_PORT->Enabled());
    kit.Click(form->Btn_OK);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(kit.MessageBoxes().empty());
  EXPECT_EQ(dir.Read("ParGen.xml"), ParGenToXml(TParGen{}));
}

TEST_F(ParGenFormTest, UnreadableFileIsReportedAndKeptUntilOk) {
  const std::string truncated = "<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1><EtherNetIP_IP2>1";
  dir.Write("ParGen.xml", truncated);
  const std::string box = "Error! Cannot load XML file \"" + state.Path_ParGen + "\": ";
  const std::string tail = "\nThe window shows the default values; OK replaces the file with them.";
  auto expectBox = [&](std::size_t count) {
    ASSERT_EQ(kit.MessageBoxes().size(), count);
    const TMessageBoxRequest& b = kit.MessageBoxes().back();
    EXPECT_EQ(b.Type, mtError);
    EXPECT_EQ(b.Text.substr(0, box.size()), box);
    EXPECT_TRUE(b.Text.ends_with(tail)) << b.Text;
  };

  kit.OnModal([&](TCustomForm*) {
    expectBox(1);
    EXPECT_EQ(form->E_IP1->Text(), "192") << "the defaults are shown";
    EXPECT_FALSE(form->Is_Change);
    kit.Click(form->Btn_Cancel);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(kit.MessageBoxes().size(), 1u) << "Cancel asks nothing: the user changed nothing";
  EXPECT_EQ(dir.Read("ParGen.xml"), truncated) << "the file stays until OK";

  kit.OnModal([&](TCustomForm*) {
    expectBox(2);
    kit.Click(form->Btn_OK);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(dir.Read("ParGen.xml"), ParGenToXml(TParGen{}));
}

TEST_F(ParGenFormTest, OkWithABadValueShowsTheFailingChecksTextAndStaysOpen) {
  struct Case {
    const char* name;
    std::function<void(TFParGen&)> edit;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"IP part 3 above 255", [](TFParGen& f) { f.E_IP3->SetText("256"); },
       "Error EtherNet/IP!! IP Address 3 must be between 0 and 255"},
      {"a part that is not a number", [](TFParGen& f) { f.E_SM2->SetText("1a"); },
       "Error EtherNet/IP!! SUBNET Mask 2 must be between 0 and 255"},
      {"ticked gateway with an empty part",
       [](TFParGen& f) {
         f.CB_EN_GAT->SetChecked(true);
         f.E_GAT4->SetText("");
       },
       "Error EtherNet/IP!! GATEWAY IP 4 must be between 0 and 255"},
      {"501 input bytes", [](TFParGen& f) { f.E_NB_Input->SetText("501"); },
       "Error EtherNet/IP!! Number Byte Input must be between 0 and 500"},
      {"497 output bytes", [](TFParGen& f) { f.E_NB_Output->SetText("497"); },
       "Error EtherNet/IP!! Number Byte Output must be between 0 and 496"},
      {"diagnostic address at the output size",
       [](TFParGen& f) {
         f.E_NB_Output->SetText("100");
         f.CB_PROFINET_En_Diagnostic->SetChecked(true);
         f.E_PROFINET_Diagnostic_Address->SetText("100");
       },
       "Error EtherNet/IP!! Diagnosis Address must be between 0 and 99"},
      {"master time-out of 200000, with a later field bad too",
       [](TFParGen& f) {
         f.E_TO_Modbus_TCP_Master->SetText("200000");
         f.E_CD_Modbus_TCP_Master->SetText("x");
       },
       "Error Modbus TCP Master!! TimeOut must be between 0 and 100000ms"},
      {"master gateway part 1 when ticked",
       [](TFParGen& f) {
         f.CB_En_GAT_Modbus_TCP_Master->SetChecked(true);
         f.E_GAT1_Modbus_TCP_Master->SetText("-1");
       },
       "Error Modbus TCP Master!! GATEWAY IP 1 must be between 0 and 255"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t before = kit.MessageBoxes().size();
    kit.OnModal([&](TCustomForm*) {
      c.edit(*form);
      kit.Click(form->Btn_OK);
      EXPECT_EQ(form->ModalResult(), mrNone);
      EXPECT_TRUE(form->Visible());
      kit.CloseByTitleBar(form.get());
    });
    EXPECT_EQ(form->ShowModal(), mrCancel) << "the title bar closes without asking";
    ASSERT_EQ(kit.MessageBoxes().size(), before + 1);
    const TMessageBoxRequest& box = kit.MessageBoxes().back();
    EXPECT_EQ(box.Type, mtError);
    EXPECT_EQ(box.Buttons, std::vector<TMsgDlgBtn>{mbOK});
    EXPECT_EQ(box.Text, c.message);
    EXPECT_FALSE(FileExists(state.Path_ParGen)) << "nothing is written";
  }
}

TEST_F(ParGenFormTest, OkSavesTheTypedTextsAsTheModelDoes) {
  SaveParGen(TParGen{}, state.Path_ParGen);
  TParGen expected;
  expected.EtherNetIP_IP1 = "012";
  expected.EtherNetIP_IP4 = "77";
  expected.EtherNetIP_EN_GAT = false;
  expected.EtherNetIP_GAT1 = "999";  // not validated while the gateway is not ticked
  expected.EtherNetIP_NB_Input = "500";
  expected.Modbus_TCP_Master_EN_GAT = true;
  expected.Modbus_TCP_Master_GAT3 = "254";
  expected.Modbus_TCP_Master_Cyclic = "10000";
  kit.OnModal([&](TCustomForm*) {
    TypeInto(form->E_IP1, "012");
    TypeInto(form->E_IP4, "77");
    TypeInto(form->E_GAT1, "999");
    TypeInto(form->E_NB_Input, "500");
    kit.Click(form->CB_En_GAT_Modbus_TCP_Master);
    TypeInto(form->E_GAT3_Modbus_TCP_Master, "254");
    TypeInto(form->E_CD_Modbus_TCP_Master, "10000");
    EXPECT_TRUE(form->Is_Change);
    kit.Click(form->Btn_OK);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(kit.MessageBoxes().empty());
  EXPECT_EQ(dir.Read("ParGen.xml"), ParGenToXml(expected));
}

TEST_F(ParGenFormTest, FileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen) {
  state.Path_ParGen = dir.File("deleted configuration/ParGen.xml");
  kit.OnModal([&](TCustomForm*) {
    kit.Click(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone) << "a failed save is no OK";
    EXPECT_TRUE(form->Visible());
    kit.CloseByTitleBar(form.get());
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Type, mtError);
  EXPECT_NE(kit.MessageBoxes()[0].Text.find("ParGen.xml"), std::string::npos) << kit.MessageBoxes()[0].Text;
}

TEST_F(ParGenFormTest, CancelAfterAChangeAsksAndNoKeepsTheWindowOpen) {
  SaveParGen(TParGen{}, state.Path_ParGen);
  const std::string file = dir.Read("ParGen.xml");
  struct Case {
    const char* name;
    std::function<void()> change;
  };
  const std::vector<Case> cases = {
      {"typed into an edit", [&] { TypeInto(form->E_SM1, "1"); }},
      {"ticked a check box", [&] { kit.Click(form->CB_EN_GAT); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t before = kit.MessageBoxes().size();
    kit.AnswerMessageBox(mrNo);
    kit.AnswerMessageBox(mrYes);
    kit.OnModal([&](TCustomForm*) {
      c.change();
      kit.Click(form->Btn_Cancel);
      EXPECT_TRUE(form->Visible()) << "No keeps the window";
      EXPECT_EQ(form->ModalResult(), mrNone);
      kit.Click(form->Btn_Cancel);
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    ASSERT_EQ(kit.MessageBoxes().size(), before + 2);
    const TMessageBoxRequest& box = kit.MessageBoxes().back();
    EXPECT_EQ(box.Type, mtConfirmation);
    EXPECT_EQ(box.Text, "Do you want to exit without saving changes?");
    EXPECT_EQ(box.Buttons, (std::vector<TMsgDlgBtn>{mbYes, mbNo}));
    EXPECT_EQ(dir.Read("ParGen.xml"), file) << "cancel writes nothing";
  }

  // The next showing loads the file again, so the discarded change is gone.
  kit.OnModal([&](TCustomForm*) {
    EXPECT_EQ(form->E_SM1->Text(), "255");
    EXPECT_FALSE(form->CB_EN_GAT->Checked());
    kit.Click(form->Btn_Cancel);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(ParGenFormTest, DotMovesAlongTheAddressChainOfItsGroup) {
  kit.OnModal([&](TCustomForm*) {
    TypeInto(form->E_IP1, "10.1.2.3.255.255.0.0.10.1.2.254.");
    const std::vector<std::pair<TEdit*, std::string>> ethernet = {
        {form->E_IP1, "10"},  {form->E_IP2, "1"},   {form->E_IP3, "2"},  {form->E_IP4, "3"},
        {form->E_SM1, "255"}, {form->E_SM2, "255"}, {form->E_SM3, "0"},  {form->E_SM4, "0"},
        {form->E_GAT1, "10"}, {form->E_GAT2, "1"},  {form->E_GAT3, "2"}, {form->E_GAT4, "254"}};
    for (const auto& [edit, text] : ethernet) EXPECT_EQ(edit->Text(), text) << edit->Name();
    EXPECT_EQ(GetFocus(), form->E_GAT4->Handle()) << "the last gateway part only swallows the dot";

    TypeInto(form->E_IP4_Modbus_TCP_Master, "20.128.");
    EXPECT_EQ(form->E_IP4_Modbus_TCP_Master->Text(), "20");
    EXPECT_EQ(form->E_SM1_Modbus_TCP_Master->Text(), "128");
    EXPECT_EQ(GetFocus(), form->E_SM2_Modbus_TCP_Master->Handle()) << "the master chain stays in its group";
    EXPECT_EQ(form->E_SM1->Text(), "255");

    TypeInto(form->E_NB_Input, "4.9");
    EXPECT_EQ(form->E_NB_Input->Text(), "4.9") << "other edits take the dot";
    kit.CloseByTitleBar(form.get());
  });
  form->ShowModal();
}

// The window is higher than a small screen; dragged above it, it comes back with its title bar
// on the screen as soon as it is active again.
TEST_F(ParGenFormTest, WindowAboveTheScreenComesBackWhenActivated) {
  test::TScreenSizeScope screen(800, 600);
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f->Top(), 0) << "centred, it would start above the screen";
    f->SetTop(-120);
    kit.Process();
    ASSERT_LT(f->Top(), 0);
    // Another window in front, then this one active again.
    TForm other(nullptr);
    other.SetName("Other");
    kit.OnModal([](TCustomForm* o) { o->SetModalResult(mrOk); });
    other.ShowModal();
    EXPECT_TRUE(form->Active());
    EXPECT_EQ(f->Top(), 0);
    EXPECT_EQ(f->ClientToScreen({0, 0}).Y, 26) << "the title bar lies above the client area";
    kit.Process();
    EXPECT_EQ(f->Top(), 0) << "where the window system put it";
    kit.Click(form->Btn_Cancel);
  });
  form->ShowModal();
  EXPECT_EQ(kit.ModalLog(), (std::vector<std::string>{"FParGen", "Other"}));
}

TEST_F(ParGenFormTest, CollapseAndExpandMoveTheGroupsButtonsAndClientArea) {
  auto bounds = [](TControl* c) { return c->BoundsRect(); };
  struct Step {
    const char* name;
    std::function<TControl*()> button;  // none: the state after creation
    TRect ethernet, master;
    int buttonsTop, clientHeight;
  };
  const std::vector<Step> steps = {
      {"created", nullptr, Bounds(8, 70, 296, 326), Bounds(8, 402, 296, 258), 673, 714},
      {"EtherNet/IP collapsed", [&] { return form->Btn_Collapse_EtherNetIP; }, Bounds(8, 70, 296, 26),
       Bounds(8, 102, 296, 258), 373, 414},
      {"both collapsed", [&] { return form->Btn_Collapse_Modbus_TCP_Master; }, Bounds(8, 70, 296, 26),
       Bounds(8, 102, 296, 26), 141, 182},
      {"EtherNet/IP expanded", [&] { return form->Btn_Expand_EtherNetIP; }, Bounds(8, 70, 296, 326),
       Bounds(8, 402, 296, 26), 441, 482},
      {"both expanded", [&] { return form->Btn_Expand_Modbus_TCP_Master; }, Bounds(8, 70, 296, 326),
       Bounds(8, 402, 296, 258), 673, 714},
  };
  kit.OnModal([&](TCustomForm*) {
    for (const Step& s : steps) {
      SCOPED_TRACE(s.name);
      if (s.button) {
        TControl* b = s.button();
        ASSERT_TRUE(b->Visible());
        kit.Click(b);
      }
      EXPECT_EQ(bounds(form->GB_EtherNetIP), s.ethernet);
      EXPECT_EQ(bounds(form->GB_Modbus_TCP_Master), s.master);
      EXPECT_EQ(bounds(form->Btn_OK), Bounds(8, s.buttonsTop, 145, 28));
      EXPECT_EQ(bounds(form->Btn_Cancel), Bounds(159, s.buttonsTop, 145, 28));
      EXPECT_EQ(form->ClientWidth(), 312);
      EXPECT_EQ(form->ClientHeight(), s.clientHeight);
      const bool ethOpen = form->GB_EtherNetIP_Visible, masterOpen = form->GB_Modbus_TCP_Master_Visible;
      EXPECT_EQ(ethOpen, s.ethernet.Height() == 326);
      EXPECT_EQ(masterOpen, s.master.Height() == 258);
      EXPECT_EQ(form->L_EtherNetIP_IP->Visible(), ethOpen);
      EXPECT_EQ(form->Btn_Collapse_EtherNetIP->Visible(), ethOpen);
      EXPECT_EQ(form->Btn_Expand_EtherNetIP->Visible(), !ethOpen);
      EXPECT_EQ(form->L_Modbus_TCP_Master_IP_Add->Visible(), masterOpen);
      EXPECT_EQ(form->Btn_Collapse_Modbus_TCP_Master->Visible(), masterOpen);
      EXPECT_EQ(form->Btn_Expand_Modbus_TCP_Master->Visible(), !masterOpen);
    }
    EXPECT_EQ(bounds(form->Btn_Collapse_EtherNetIP), Bounds(280, 10, 11, 11));
    EXPECT_EQ(bounds(form->Btn_Expand_Modbus_TCP_Master), Bounds(280, 10, 11, 11));
    EXPECT_EQ(bounds(form->E_PORT), Bounds(82, form->E_PORT->Top(), 192, 21));
    kit.Click(form->Btn_Collapse_Modbus_TCP_Master);
    kit.Click(form->Btn_Cancel);
  });
  form->ShowModal();

  // The collapse state lasts for the run.
  kit.OnModal([&](TCustomForm*) {
    EXPECT_EQ(bounds(form->GB_Modbus_TCP_Master), Bounds(8, 402, 296, 26));
    EXPECT_TRUE(form->Btn_Expand_Modbus_TCP_Master->Visible());
    kit.Click(form->Btn_Cancel);
  });
  form->ShowModal();
}

TEST_F(ParGenFormTest, TabSkipsTheFieldsOfACollapsedGroup) {
  kit.OnModal([&](TCustomForm*) {
    // The focus sits in the group that folds away: it moves on to the next field still seen.
    form->E_IP2->SetFocus();
    kit.Click(form->Btn_Collapse_EtherNetIP);
    EXPECT_EQ(form->ActiveControl(), form->E_IP1_Modbus_TCP_Master);

    form->Btn_Cancel->SetFocus();
    kit.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), form->E_IP1_Modbus_TCP_Master) << "Tab passes over the folded fields";
    kit.Press(VK_TAB, {ssShift});
    EXPECT_EQ(form->ActiveControl(), form->Btn_Cancel) << "and so does Shift+Tab";
    kit.Press(VK_TAB);
    kit.Type("77");
    EXPECT_EQ(form->E_IP1->Text(), "192") << "nothing is typed into a field that cannot be seen";

    kit.Click(form->Btn_Expand_EtherNetIP);
    form->Btn_Cancel->SetFocus();
    kit.Press(VK_TAB);
    EXPECT_EQ(form->ActiveControl(), form->E_IP1) << "an expanded group's fields are reachable again";
    kit.CloseByTitleBar(form.get());
  });
  form->ShowModal();
}

TEST_F(ParGenFormTest, SetLangAppliesTheLanguageTableAndMessagesReadItWhenShown) {
  EXPECT_EQ(form->Caption(), "Set Communication");
  EXPECT_EQ(form->L_SW_Code->Caption(), "SW58318");
  EXPECT_EQ(form->GB_EtherNetIP->Caption(), " EtherNet/IP ");
  EXPECT_EQ(form->CB_PROFINET_En_Diagnostic->Caption(), "Diagnostic");
  EXPECT_EQ(form->Btn_Collapse_EtherNetIP->Hint(), "Collapse");
  EXPECT_EQ(form->Btn_Expand_Modbus_TCP_Master->Hint(), "Expand");

  const std::vector<std::pair<int, std::string>> texts = {
      {400, "Kommunikation"}, {402, "Ja"}, {404, " EtherNet/IP DE "}, {481, "Gateway DE"}, {443, "Zu"}, {445, "IP!"}};
  for (const auto& [index, text] : texts) state.Lang_Table.SetStrings(index, text);
  form->Set_Lang();
  EXPECT_EQ(form->Caption(), "Kommunikation");
  EXPECT_EQ(form->Btn_OK->Caption(), "Ja");
  EXPECT_EQ(form->GB_EtherNetIP->Caption(), " EtherNet/IP DE ");
  EXPECT_EQ(form->CB_En_GAT_Modbus_TCP_Master->Caption(), "Gateway DE");
  EXPECT_EQ(form->Btn_Collapse_Modbus_TCP_Master->Hint(), "Zu");

  kit.OnModal([&](TCustomForm*) {
    form->E_IP1->SetText("300");
    kit.Click(form->Btn_OK);
    kit.CloseByTitleBar(form.get());
  });
  form->ShowModal();
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "IP!");
}

}  // namespace
}  // namespace hd

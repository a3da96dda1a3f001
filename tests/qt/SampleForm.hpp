// A window with one control of every kind, as the Qt tests render and operate it.
#pragma once

#include "platform/Form.hpp"

namespace qttest {

struct SampleForm : platform::Form {
    SampleForm() : platform::Form("Sample") {
        using namespace platform;
        SetCaption("Sample");
        Move(50, 50, 520, 400);
        file = &AddMenu("mnuFile", "&File");
        open = &file->AddItem("mnuOpen", -1, "&Open...");
        open->SetShortcut("Ctrl+O");
        file->AddItem("mnuSep", -1, "-");
        linking = &file->AddItem("mnuLinking", -1, "Tab &linking");

        title = &Create<Label>("Title");
        title->Move(10, 10, 200, 20);
        title->SetCaption("Front && rear");
        title->SetFont({"Arial", 10.0f, true, false});
        text = &Create<TextBox>("Value");
        text->Move(10, 40, 120, 22);
        combo = &Create<ComboBox>("Choice");
        combo->Move(140, 40, 120, 22);
        combo->AddItem("Petrol");
        combo->AddItem("Diesel");
        check = &Create<CheckBox>("Check");
        check->Move(10, 70, 120, 20);
        check->SetCaption("&Locked");
        button = &Create<CommandButton>("Go");
        button->Move(140, 70, 80, 24);
        button->SetCaption("&Go");
        slider = &Create<Slider>("Slide");
        slider->Move(10, 100, 200, 30);
        slider->SetMax(20);
        scroll = &Create<ScrollBar>("Scroll", nullptr, -1, Orientation::Vertical);
        scroll->Move(480, 10, 17, 200);
        frame = &Create<Frame>("Options");
        frame->Move(10, 140, 200, 80);
        frame->SetCaption("Drive");
        optA = &Create<OptionButton>("Drive", frame, 0);
        optA->Move(10, 20, 80, 20);
        optA->SetCaption("Front");
        optB = &Create<OptionButton>("Drive", frame, 1);
        optB->Move(10, 45, 80, 20);
        optB->SetCaption("Rear");
        picture = &Create<PictureBox>("Chart");
        picture->Move(230, 100, 200, 120);
        picture->SetBackColor(RGB(255, 255, 255));
        inner = &Create<Label>("Legend", picture);
        inner->Move(5, 5, 60, 16);
        inner->SetCaption("Legend");
        image = &Create<Image>("Photo");
        image->Move(440, 230, 40, 40);
        tabs = &Create<TabStrip>("Tabs");
        tabs->Move(10, 230, 300, 60);
        tabs->AddTab("&Engine");
        tabs->AddTab("&Tyres");
        progress = &Create<ProgressBar>("Progress");
        progress->Move(10, 300, 200, 16);
        progress->SetValue(40);
        list = &Create<ListView>("Runs");
        list->Move(230, 300, 250, 60);
        list->AddColumn("Run", 80);
        list->AddColumn("Time", 80);
        list->SetMultiSelect(true);
        for (const char* run : {"A", "B", "C"}) list->AddItem(run);
        timer = &Create<Timer>("Tick");
    }

    platform::MenuItem* file;
    platform::MenuItem* open;
    platform::MenuItem* linking;
    platform::Label* title;
    platform::TextBox* text;
    platform::ComboBox* combo;
    platform::CheckBox* check;
    platform::CommandButton* button;
    platform::Slider* slider;
    platform::ScrollBar* scroll;
    platform::Frame* frame;
    platform::OptionButton* optA;
    platform::OptionButton* optB;
    platform::PictureBox* picture;
    platform::Label* inner;
    platform::Image* image;
    platform::TabStrip* tabs;
    platform::ProgressBar* progress;
    platform::ListView* list;
    platform::Timer* timer;
};

}  // namespace qttest

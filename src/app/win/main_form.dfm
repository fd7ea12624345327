object frmmain: Tfrmmain
  Left = 0
  Top = 0
  Width = 752
  Height = 434
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Lexi Tally'
  Color = clBtnFace
  Constraints.MinHeight = 374
  Constraints.MinWidth = 540
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = '宋体'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object pnl1: TPanel
    Left = 0
    Top = 0
    Width = 744
    Height = 76
    Align = alTop
    BevelOuter = bvNone
    object lbl2: TLabel
      Left = 496
      Top = 49
      Width = 263
      Height = 20
      Alignment = taCenter
      AutoSize = False
      Font.Charset = ANSI_CHARSET
      Font.Color = clRed
      Font.Height = -12
      Font.Name = '宋体'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object chk1: TCheckBox
      Left = 7
      Top = 21
      Width = 73
      Height = 17
      Caption = '去除空行'
      Checked = True
      State = cbChecked
    end
    object chk2: TCheckBox
      Left = 5
      Top = 42
      Width = 73
      Height = 17
      Caption = '追加文件'
    end
    object btn1: TButton
      Left = 80
      Top = 11
      Width = 61
      Height = 54
      Hint = '须是Ansi格式的文本文件'
      Caption = '打开文件'
      ShowHint = True
      OnClick = btn1Click
    end
    object btn2: TButton
      Left = 149
      Top = 11
      Width = 61
      Height = 54
      Caption = '粘贴'
      OnClick = btn2Click
    end
    object chk3: TCheckBox
      Left = 165
      Top = 28
      Width = 96
      Height = 17
      Caption = '忽略相同单词'
      Visible = False
    end
    object btn3: TButton
      Left = 217
      Top = 11
      Width = 61
      Height = 54
      Caption = '清空'
      OnClick = btn3Click
    end
    object Button3: TButton
      Left = 312
      Top = 12
      Width = 193
      Height = 29
      Caption = '开始分解文章单词并统计重复次数'
      WordWrap = True
      OnClick = Button3Click
    end
    object chk5: TCheckBox
      Left = 312
      Top = 46
      Width = 97
      Height = 17
      Hint = '忽略重复单词'
      Caption = '忽略重复单词'
      ShowHint = True
    end
    object chk4: TCheckBox
      Left = 417
      Top = 46
      Width = 88
      Height = 17
      Hint = '拆分结果带上序号'
      Caption = '带上序号'
      Checked = True
      ShowHint = True
      State = cbChecked
      OnClick = chk4Click
    end
    object edt1: TEdit
      Left = 518
      Top = 49
      Width = 139
      Height = 20
      Enabled = False
      Visible = False
    end
    object btn4: TButton
      Left = 552
      Top = 18
      Width = 85
      Height = 22
      Anchors = [akTop, akRight]
      Caption = '保存结果'
      OnClick = btn4Click
    end
    object btn5: TButton
      Left = 648
      Top = 18
      Width = 65
      Height = 22
      Anchors = [akTop, akRight]
      Caption = '退出程序'
      OnClick = btn5Click
    end
  end
  object mmo1: TMemo
    Left = 0
    Top = 76
    Width = 265
    Height = 324
    Hint = '在此输入或者粘贴原始文档'
    Align = alLeft
    Font.Charset = GB2312_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = '宋体'
    Font.Style = []
    HideSelection = False
    OEMConvert = True
    ParentFont = False
    ScrollBars = ssVertical
    ShowHint = True
  end
  object spl1: TSplitter
    Left = 265
    Top = 76
    Width = 5
    Height = 324
    MinSize = 20
  end
  object pnl3: TPanel
    Left = 270
    Top = 76
    Width = 474
    Height = 324
    Align = alClient
    BevelOuter = bvLowered
    object cbb1: TComboBox
      Left = 48
      Top = 56
      Width = 145
      Height = 20
      Sorted = True
      Text = 'cbb1'
    end
    object pnl4: TPanel
      Left = 1
      Top = 1
      Width = 208
      Height = 322
      Align = alLeft
      object mmo2: TMemo
        Left = 1
        Top = 1
        Width = 206
        Height = 200
        Hint = '原始分解结果'
        Align = alTop
        Color = 16644846
        Font.Charset = GB2312_CHARSET
        Font.Color = clWindowText
        Font.Height = -12
        Font.Name = '宋体'
        Font.Style = []
        HideSelection = False
        ParentFont = False
        ScrollBars = ssBoth
        ShowHint = True
        WordWrap = False
      end
      object mmo3: TMemo
        Left = 1
        Top = 201
        Width = 206
        Height = 120
        Hint = '整理排序后结果'
        Align = alClient
        Color = 16644846
        Font.Charset = GB2312_CHARSET
        Font.Color = clWindowText
        Font.Height = -12
        Font.Name = '宋体'
        Font.Style = []
        HideSelection = False
        Lines.Strings = (
          'mmo1')
        ParentFont = False
        ScrollBars = ssBoth
        ShowHint = True
        WordWrap = False
      end
    end
    object spl2: TSplitter
      Left = 209
      Top = 1
      Width = 5
      Height = 322
      MinSize = 20
    end
    object ordrlstvw1: TOrderListView
      Left = 214
      Top = 1
      Width = 259
      Height = 322
      Hint = '单词去重复统计结果'
      Align = alClient
      Columns = <
        item
          Caption = '编号'
          Width = 60
        end
        item
          Caption = '单词'
          Width = 130
        end
        item
          Caption = '出现频率'
          Width = 60
        end>
      GridLines = True
      HideSelection = False
      ReadOnly = True
      RowSelect = True
      ShowHint = True
      ViewStyle = vsReport
    end
  end
  object dlgOpen1: TOpenDialog
    DefaultExt = 'txt'
    Filter = '文本文件|*.txt|所有文件|*.*'
  end
  object dlgSave1: TSaveDialog
    DefaultExt = 'txt'
    Filter = '文本文件|*.txt'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object prlrgx1: TPerlRegEx
  end
  object skndt1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoMDIScrollbar, xoPreview, xoNoFocusRect, xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoCaptionButtonHint, xoFormScrollbar]
    SkinFormtype = sfMainform
    MenuUpdate = True
    MenuMerge = False
    SkinStream = {}
  end
end

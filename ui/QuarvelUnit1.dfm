object Quarvel: TQuarvel
  Left = 63
  Top = 122
  Width = 676
  Height = 375
  Caption = 'Quarvel'
  Color = clNavy
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Icon = 'icon.png'
  Menu = MainMenu1
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Image1: TImage
    Left = 336
    Top = 64
    Width = 317
    Height = 244
    Hint = 'Электрическая схема темброблока'
    ParentShowHint = False
    ShowHint = True
    Picture = 'schematic.png'
  end
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 325
    Height = 13
    Cursor = crCross
    Hint = 'Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм'
    Color = clLime
    Transparent = False
  end
  object Bevel1: TBevel
    Left = 333
    Top = 61
    Width = 321
    Height = 249
    Cursor = crCross
    Hint = 'Электрическая схема темброблока'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsRaised
  end
  object Bevel2: TBevel
    Left = 14
    Top = 14
    Width = 329
    Height = 17
    Cursor = crCross
    Hint = 'Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label2: TLabel
    Left = 16
    Top = 80
    Width = 179
    Height = 13
    Cursor = crCross
    Hint = 'Сопротивление резистора R2, кОм'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Сопротивление резистора R2, кОм'
    Color = clYellow
    Transparent = False
  end
  object Bevel3: TBevel
    Left = 15
    Top = 78
    Width = 182
    Height = 17
    Cursor = crCross
    Hint = 'Сопротивление резистора R2, кОм'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label3: TLabel
    Left = 16
    Top = 112
    Width = 179
    Height = 13
    Cursor = crCross
    Hint = 'Сопротивление резистора R4, кОм'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Сопротивление резистора R4, кОм'
    Color = clYellow
    Transparent = False
  end
  object Bevel4: TBevel
    Left = 15
    Top = 111
    Width = 182
    Height = 16
    Cursor = crCross
    Hint = 'Сопротивление резистора R4, кОм'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label4: TLabel
    Left = 16
    Top = 144
    Width = 179
    Height = 13
    Cursor = crCross
    Hint = 'Сопротивление резистора R5, кОм'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Сопротивление резистора R5, кОм'
    Color = clYellow
    Transparent = False
  end
  object Bevel5: TBevel
    Left = 16
    Top = 144
    Width = 181
    Height = 15
    Cursor = crCross
    Hint = 'Сопротивление резистора R5, кОм'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label5: TLabel
    Left = 16
    Top = 176
    Width = 157
    Height = 13
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С1, нФ'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Ёмкость конденсатора С1, нФ'
    Color = clYellow
    Transparent = False
  end
  object Bevel6: TBevel
    Left = 16
    Top = 176
    Width = 158
    Height = 15
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С1, нФ'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label6: TLabel
    Left = 16
    Top = 208
    Width = 165
    Height = 13
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С2, мкФ'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Ёмкость конденсатора С2, мкФ'
    Color = clYellow
    Transparent = False
  end
  object Bevel7: TBevel
    Left = 16
    Top = 208
    Width = 167
    Height = 15
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С2, мкФ'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label7: TLabel
    Left = 16
    Top = 240
    Width = 165
    Height = 13
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С3, мкФ'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Ёмкость конденсатора С3, мкФ'
    Color = clYellow
    Transparent = False
  end
  object Bevel8: TBevel
    Left = 16
    Top = 240
    Width = 165
    Height = 15
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С3, мкФ'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label8: TLabel
    Left = 16
    Top = 272
    Width = 165
    Height = 13
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С4, мкФ'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Ёмкость конденсатора С4, мкФ'
    Color = clYellow
    Transparent = False
  end
  object Bevel9: TBevel
    Left = 16
    Top = 272
    Width = 167
    Height = 15
    Cursor = crCross
    Hint = 'Ёмкость конденсатора С4, мкФ'
    ParentShowHint = False
    ShowHint = True
    Shape = bsBox
    Style = bsLowered
  end
  object Label9: TLabel
    Left = 208
    Top = 80
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label10: TLabel
    Left = 208
    Top = 112
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label11: TLabel
    Left = 208
    Top = 144
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label12: TLabel
    Left = 208
    Top = 176
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label13: TLabel
    Left = 208
    Top = 208
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label14: TLabel
    Left = 208
    Top = 240
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label15: TLabel
    Left = 208
    Top = 272
    Width = 5
    Height = 13
    Cursor = crDrag
    Hint = 'Результат расчёта'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Color = clAqua
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
  end
  object Label16: TLabel
    Left = 14
    Top = 34
    Width = 508
    Height = 24
    Cursor = crHelp
    Hint = 'Пожалуйста, проверьте вводимое сопротивление!'
    ParentShowHint = False
    ShowHint = True
    AutoSize = True
    Caption = 'Пожалуйста, проверьте вводимое сопротивление!'
    Color = clRed
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -19
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = False
    Visible = False
  end
  object Edit1: TEdit
    Left = 359
    Top = 10
    Width = 113
    Height = 21
    Cursor = crIBeam
    Hint = 'Входное данное'
    ParentShowHint = False
    ShowHint = True
    Color = clMenu
    Text = '0'
  end
  object MainMenu1: TMainMenu
    object N1: TMenuItem
      Caption = 'Рассчитать!'
      Bitmap = 'bulb.png'
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = 'Выход из программы'
      Bitmap = 'door.png'
      OnClick = N2Click
    end
    object N3: TMenuItem
      Caption = 'О программе'
      Bitmap = 'question.png'
      object N4: TMenuItem
        Caption = 'Расчитываемый темброблок будет вносить на средней частоте полосы пропускания 1kГц затухание около 25 дБ (R1, R3 около 100 кОм).'
      end
      object R1R210010k121: TMenuItem
        Caption = 'При повороте ручек R1 и R3 от упора до упора, затухание, вносимое регулятором на частотах от 100Гц до 10kГц, будет меняться в пределах +-12дБ.'
      end
      object R1R3100151: TMenuItem
        Caption = 'Программа расчитывает элементы темброблока при сопротивлении R1, R3 от 100 Ом до 15 МОм.'
      end
      object N5: TMenuItem
        Caption = 'Программа является собственностью её автора.'
      end
      object N6: TMenuItem
        Caption = 'Автор не несёт ответственности за ущерб, возникший в результате работы программы.'
      end
    end
  end
end

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ConstantDialog</name>
    <message>
        <source>常用常量表</source>
        <translation>Common constants</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>取值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>圆周率</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>欧拉指数</source>
        <translation>Euler's number</translation>
    </message>
    <message>
        <source>重力加速度</source>
        <translation>Standard gravity</translation>
    </message>
    <message>
        <source>真空中光速</source>
        <translation>Speed of light in vacuum</translation>
    </message>
    <message>
        <source>真空介电常数</source>
        <translation>Vacuum permittivity</translation>
    </message>
    <message>
        <source>真空磁导率</source>
        <translation>Vacuum permeability</translation>
    </message>
    <message>
        <source>基本电荷</source>
        <translation>Elementary charge</translation>
    </message>
    <message>
        <source>原子质量</source>
        <translation>Atomic mass unit</translation>
    </message>
    <message>
        <source>电子质量</source>
        <translation>Electron mass</translation>
    </message>
    <message>
        <source>质子质量</source>
        <translation>Proton mass</translation>
    </message>
    <message>
        <source>中子质量</source>
        <translation>Neutron mass</translation>
    </message>
    <message>
        <source>玻耳兹曼常数</source>
        <translation>Boltzmann constant</translation>
    </message>
    <message>
        <source>普朗克常数</source>
        <translation>Planck constant</translation>
    </message>
</context>
<context>
    <name>DesignController</name>
    <message>
        <source>保存设计…</source>
        <translation>Save design…</translation>
    </message>
    <message>
        <source>把当前光纤和所有输入保存为设计文件</source>
        <translation>Save the current fiber and every input as a design file</translation>
    </message>
    <message>
        <source>打开设计…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>从设计文件恢复当前光纤和所有输入</source>
        <translation>Restore the current fiber and every input from a design file</translation>
    </message>
    <message>
        <source>最近的设计</source>
        <translation>Recent designs</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销上一次恢复默认参数、打开设计或使用当前光纤</source>
        <translation>Undo the last Restore defaults, Open design or Use current fiber</translation>
    </message>
    <message>
        <source>使用当前光纤</source>
        <translation>Use current fiber</translation>
    </message>
    <message>
        <source>用当前光纤填写本页的光纤参数</source>
        <translation>Fill this page's fiber parameters from the current fiber</translation>
    </message>
    <message>
        <source>当前光纤…</source>
        <translation>Current fiber…</translation>
    </message>
    <message>
        <source>编辑当前光纤，选择常用光纤类型</source>
        <translation>Edit the current fiber, pick a common fiber type</translation>
    </message>
    <message>
        <source>当前光纤：%1</source>
        <translation>Current fiber: %1</translation>
    </message>
    <message>
        <source>无法保存设计文件 %1：%2</source>
        <translation>Cannot save the design file %1: %2</translation>
    </message>
    <message>
        <source>无法打开设计文件 %1：%2</source>
        <translation>Cannot open the design file %1: %2</translation>
    </message>
    <message>
        <source>%1 太大，不是设计文件</source>
        <translation>%1 is too large to be a design file</translation>
    </message>
    <message>
        <source>%1 不是普通文件，不是设计文件</source>
        <translation>%1 is not a regular file, so not a design file</translation>
    </message>
    <message>
        <source>保存的当前光纤无法读取（%1），已改用默认光纤</source>
        <translation>The saved current fiber cannot be read (%1); the default fiber is used</translation>
    </message>
    <message>
        <source>本页没有可由当前光纤填写的参数</source>
        <translation>This page has no parameters the current fiber can fill</translation>
    </message>
    <message>
        <source>已用当前光纤 %1 填写：%2</source>
        <translation>Filled from the current fiber %1: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>Velmora 设计 (*.velmora.json)</source>
        <translation>Velmora designs (*.velmora.json)</translation>
    </message>
    <message>
        <source>打开设计</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Velmora 设计 (*.velmora.json);;JSON (*.json)</source>
        <translation>Velmora designs (*.velmora.json);;JSON (*.json)</translation>
    </message>
    <message>
        <source>设计文件中有本程序不认识的项目，已跳过：%1</source>
        <translation>The design file holds entries this program does not know; skipped: %1</translation>
    </message>
</context>
<context>
    <name>ExactModesTab</name>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>选项与输出</source>
        <translation>Options and outputs</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>%1 光强 |Eₜ|² (属 LP%2)</source>
        <translation>%1 intensity |Eₜ|² (of LP%2)</translation>
    </message>
    <message>
        <source>%1 光强 (cos)</source>
        <translation>%1 intensity (cos)</translation>
    </message>
    <message>
        <source>数值孔径NA</source>
        <translation>Aperture NA</translation>
    </message>
    <message>
        <source>掺杂半径r_d</source>
        <translation>Doped r_d</translation>
    </message>
    <message>
        <source>材料色散(熔融石英)</source>
        <translation>Material dispersion</translation>
    </message>
</context>
<context>
    <name>FBMainWindow</name>
    <message>
        <source>脉冲放大</source>
        <translation>Pulse amplifier</translation>
    </message>
    <message>
        <source>脉冲在光纤中的传输：色散、自相位调制、拉曼与自陡峭（广义非线性薛定谔方程）</source>
        <translation>Pulse propagation in fiber: dispersion, self-phase modulation, Raman and self-steepening (generalized nonlinear Schrödinger equation)</translation>
    </message>
    <message>
        <source>反射折射</source>
        <translation>Reflection and refraction</translation>
    </message>
    <message>
        <source>频率与相干性</source>
        <translation>Frequency and coherence</translation>
    </message>
    <message>
        <source>高斯脉冲</source>
        <translation>Gaussian pulse</translation>
    </message>
    <message>
        <source>纵模间隔、光光效率、量子亏损、小信号增益</source>
        <translation>Longitudinal mode spacing, optical efficiency, quantum defect, small-signal gain</translation>
    </message>
    <message>
        <source>掺杂浓度、本征损耗、填充因子、端面反射率</source>
        <translation>Doping concentration, intrinsic loss, fill factor, end-face reflectivity</translation>
    </message>
    <message>
        <source>受激布里渊散射、受激拉曼散射、非线性相移、四波混频</source>
        <translation>Stimulated Brillouin scattering, stimulated Raman scattering, nonlinear phase shift, four-wave mixing</translation>
    </message>
    <message>
        <source>光纤模式、光束质量、模式损耗</source>
        <translation>Fiber modes, beam quality, mode loss</translation>
    </message>
    <message>
        <source>均匀双包层光纤</source>
        <translation>Uniform double-clad fiber</translation>
    </message>
    <message>
        <source>掺镱光纤放大器与激光器：泵浦、信号、ASE与热负载</source>
        <translation>Yb-doped fiber amplifier and laser: pump, signal, ASE and heat load</translation>
    </message>
    <message>
        <source>功率极限</source>
        <translation>Power limits</translation>
    </message>
    <message>
        <source>功率极限：热、非线性、损伤、泵浦亮度与模式不稳定的最大输出功率</source>
        <translation>Power limits: the largest output power set by heat, nonlinearity, damage, pump brightness and mode instability</translation>
    </message>
    <message>
        <source>退出应用程序</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>清空输出结果</source>
        <translation>Clear the results</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restore default parameters</translation>
    </message>
    <message>
        <source>数据导出为excel格式</source>
        <translation>Export the data as a spreadsheet</translation>
    </message>
    <message>
        <source>图片导出为jpg格式</source>
        <translation>Export the pictures as JPEG</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Stay on top</translation>
    </message>
    <message>
        <source>查看常量</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>数据已导出到 %1</source>
        <translation>Data exported to %1</translation>
    </message>
    <message>
        <source>数据导出失败，无法写入文件
%1
原因：%2</source>
        <translation>Data export failed, cannot write the file
%1
Reason: %2</translation>
    </message>
    <message>
        <source>请选择图片保存路径</source>
        <translation>Choose the folder for the pictures</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta charset="utf-8"&gt;&lt;title&gt;帮助页面缺失&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;找不到帮助页面&lt;/h2&gt;&lt;p&gt;文件 &lt;code&gt;%1&lt;/code&gt; 不存在，安装目录中也没有找到。请重新安装程序。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta charset="utf-8"&gt;&lt;title&gt;Help page missing&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Help page not found&lt;/h2&gt;&lt;p&gt;The file &lt;code&gt;%1&lt;/code&gt; does not exist and was not found in the installation folder either. Please reinstall the program.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>未找到可用的计算器程序，请安装以下任一程序：%1</source>
        <translation>No calculator program found; please install one of: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>找不到英文翻译文件 %1，界面保持中文。</source>
        <translation>The English translation file %1 was not found; the window stays in Chinese.</translation>
    </message>
    <message>
        <source>参数扫描…</source>
        <translation>Parameter sweep…</translation>
    </message>
    <message>
        <source>扫描一个输入参数，绘制输出随之的变化</source>
        <translation>Sweep one input and plot how the outputs follow it</translation>
    </message>
    <message>
        <source>Velmora 帮助</source>
        <translation>Velmora help</translation>
    </message>
    <message>
        <source>请选择窗口背景色</source>
        <translation>Choose the window background colour</translation>
    </message>
    <message>
        <source>几何光学参数</source>
        <translation>Geometric optics</translation>
    </message>
    <message>
        <source>连续激光参数</source>
        <translation>CW laser</translation>
    </message>
    <message>
        <source>脉冲激光参数</source>
        <translation>Pulsed laser</translation>
    </message>
    <message>
        <source>激光器参数</source>
        <translation>Laser parameters</translation>
    </message>
    <message>
        <source>光纤参数</source>
        <translation>Fiber parameters</translation>
    </message>
    <message>
        <source>非线性效应</source>
        <translation>Nonlinear effects</translation>
    </message>
    <message>
        <source>光纤模式参数</source>
        <translation>Fiber modes</translation>
    </message>
    <message>
        <source>不稳定阈值</source>
        <translation>Instability threshold</translation>
    </message>
    <message>
        <source>光纤放大器</source>
        <translation>Fiber amplifier</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>数据导出</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>保存excel</source>
        <translation>Save sheet</translation>
    </message>
    <message>
        <source>数据导出excel表单</source>
        <translation>Export the data to a spreadsheet</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export pictures</translation>
    </message>
    <message>
        <source>窗口背景色</source>
        <translation>Window background colour</translation>
    </message>
    <message>
        <source>恢复默认设置</source>
        <translation>Restore default settings</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>计算模型说明</source>
        <translation>Calculation models</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About</translation>
    </message>
    <message>
        <source>查看</source>
        <translation>View</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>常用常量查表</source>
        <translation>Table of common constants</translation>
    </message>
</context>
<context>
    <name>FiberDock</name>
    <message>
        <source>纤芯半径 [μm]</source>
        <translation>Core radius [μm]</translation>
    </message>
    <message>
        <source>泵浦包层半径 [μm]</source>
        <translation>Pump-cladding radius [μm]</translation>
    </message>
    <message>
        <source>掺杂区半径 [μm]</source>
        <translation>Doped radius [μm]</translation>
    </message>
    <message>
        <source>纤芯数值孔径 NA</source>
        <translation>Core numerical aperture NA</translation>
    </message>
    <message>
        <source>包层折射率 n2</source>
        <translation>Cladding index n2</translation>
    </message>
    <message>
        <source>光纤长度 [m]</source>
        <translation>Fiber length [m]</translation>
    </message>
    <message>
        <source>信号波长 [nm]</source>
        <translation>Signal wavelength [nm]</translation>
    </message>
    <message>
        <source>泵浦波长 [nm]</source>
        <translation>Pump wavelength [nm]</translation>
    </message>
    <message>
        <source>Yb 掺杂浓度 [m⁻³]</source>
        <translation>Yb concentration [m⁻³]</translation>
    </message>
    <message>
        <source>背景损耗 [dB/m]</source>
        <translation>Background loss [dB/m]</translation>
    </message>
    <message>
        <source>当前光纤</source>
        <translation>Current fiber</translation>
    </message>
    <message>
        <source>光纤类型</source>
        <translation>Fiber type</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>使用当前光纤（填入本页）</source>
        <translation>Use current fiber (fill this page)</translation>
    </message>
    <message>
        <source>保存为我的光纤</source>
        <translation>Save as my fiber</translation>
    </message>
    <message>
        <source>删除我的光纤</source>
        <translation>Delete my fiber</translation>
    </message>
    <message>
        <source>（选择以载入）</source>
        <translation>(choose to load)</translation>
    </message>
    <message>
        <source>我的：</source>
        <translation>Mine: </translation>
    </message>
</context>
<context>
    <name>FiberLibrary</name>
    <message>
        <source>6/125 (纤芯泵浦)</source>
        <translation>6/125 (core-pumped)</translation>
    </message>
</context>
<context>
    <name>LaserPluse</name>
    <message>
        <source>高斯脉冲</source>
        <translation>Gaussian pulse</translation>
    </message>
    <message>
        <source>脉冲激光参数--高斯脉冲</source>
        <translation>Pulsed laser -- Gaussian pulse</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>脉冲宽度τ[s]</source>
        <translation>Pulse width τ [s]</translation>
    </message>
    <message>
        <source>脉冲重复频率f[Hz]</source>
        <translation>Repetition rate f [Hz]</translation>
    </message>
    <message>
        <source>脉冲平均功率P</source>
        <translation>Average power P</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>脉冲能量E[J]</source>
        <translation>Pulse energy E [J]</translation>
    </message>
    <message>
        <source>峰值功率P</source>
        <translation>Peak power P</translation>
    </message>
</context>
<context>
    <name>LaserTrait</name>
    <message>
        <source>小信号增益系数G(dB)</source>
        <translation>Small-signal gain G (dB)</translation>
    </message>
    <message>
        <source>小信号增益系数g</source>
        <translation>Small-signal gain g</translation>
    </message>
    <message>
        <source>波长λ(nm)</source>
        <translation>Wavelength λ (nm)</translation>
    </message>
    <message>
        <source>纵模间隔</source>
        <translation>Mode spacing</translation>
    </message>
    <message>
        <source>光光效率</source>
        <translation>Optical efficiency</translation>
    </message>
    <message>
        <source>量子亏损</source>
        <translation>Quantum defect</translation>
    </message>
    <message>
        <source>小信号增益</source>
        <translation>Small-signal gain</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>激光器参数--纵模间隔</source>
        <translation>Laser parameters -- longitudinal mode spacing</translation>
    </message>
    <message>
        <source>介质折射率n</source>
        <translation>Index n</translation>
    </message>
    <message>
        <source>腔长L[m]</source>
        <translation>Cavity length L [m]</translation>
    </message>
    <message>
        <source>纵模间隔Δ</source>
        <translation>Mode spacing Δ</translation>
    </message>
    <message>
        <source>激光器参数--光光效率</source>
        <translation>Laser parameters -- optical efficiency</translation>
    </message>
    <message>
        <source>输入泵浦功率</source>
        <translation>Pump power</translation>
    </message>
    <message>
        <source>残余泵浦功率</source>
        <translation>Residual pump</translation>
    </message>
    <message>
        <source>输出激光功率</source>
        <translation>Output power</translation>
    </message>
    <message>
        <source>输入激光功率</source>
        <translation>Seed power</translation>
    </message>
    <message>
        <source>激光器效率η</source>
        <translation>Laser eff. η</translation>
    </message>
    <message>
        <source>放大器效率η</source>
        <translation>Amplifier eff. η</translation>
    </message>
    <message>
        <source>激光器参数--量子亏损</source>
        <translation>Laser parameters -- quantum defect</translation>
    </message>
    <message>
        <source>泵浦光波长λ1[nm]</source>
        <translation>Pump λ1 [nm]</translation>
    </message>
    <message>
        <source>信号光波长λ2[nm]</source>
        <translation>Signal λ2 [nm]</translation>
    </message>
    <message>
        <source>量子亏损QD</source>
        <translation>Quantum defect QD</translation>
    </message>
    <message>
        <source>斯托克斯效率QR</source>
        <translation>Stokes efficiency QR</translation>
    </message>
    <message>
        <source>激光器参数--小信号增益</source>
        <translation>Laser parameters -- small-signal gain</translation>
    </message>
    <message>
        <source>掺杂浓度N[m</source>
        <translation>Doping N [m</translation>
    </message>
    <message>
        <source>重叠因子γ</source>
        <translation>Overlap factor γ</translation>
    </message>
    <message>
        <source>上能级反转粒子数n</source>
        <translation>Inversion n</translation>
    </message>
    <message>
        <source>光纤长度L[m]</source>
        <translation>Fiber length L [m]</translation>
    </message>
    <message>
        <source>YDF小信号增益系数G</source>
        <translation>YDF small-signal gain G</translation>
    </message>
    <message>
        <source>对数增益</source>
        <translation>Log (dB)</translation>
    </message>
    <message>
        <source>线性增益</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>无法读取截面数据文件 %1</source>
        <translation>Cannot read the cross-section data file %1</translation>
    </message>
</context>
<context>
    <name>Laserbsc</name>
    <message>
        <source>频率与相干性</source>
        <translation>Frequency and coherence</translation>
    </message>
    <message>
        <source>连续激光参数--频率与相干性</source>
        <translation>CW laser -- frequency and coherence</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>激光波长λ[nm]</source>
        <translation>Wavelength λ [nm]</translation>
    </message>
    <message>
        <source>频谱宽度Δ</source>
        <translation>Linewidth Δ</translation>
    </message>
    <message>
        <source>波长间隔Δ</source>
        <translation>Linewidth Δ</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>激光频率ν[Hz]</source>
        <translation>Frequency ν [Hz]</translation>
    </message>
    <message>
        <source>相干时间τ</source>
        <translation>Coh. time τ</translation>
    </message>
    <message>
        <source>相干长度L</source>
        <translation>Coh. length L</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>请确保输入参数不为空</source>
        <translation>Please make sure no input is empty</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>传输光纤</source>
        <translation>transmission fiber</translation>
    </message>
    <message>
        <source>增益光纤</source>
        <translation>gain fiber</translation>
    </message>
    <message>
        <source>反射折射</source>
        <translation>Reflection and refraction</translation>
    </message>
    <message>
        <source>折射率N1</source>
        <translation>Index N1</translation>
    </message>
    <message>
        <source>折射率N2</source>
        <translation>Index N2</translation>
    </message>
    <message>
        <source>入射角θ1[rad]</source>
        <translation>Angle of incidence θ1 [rad]</translation>
    </message>
    <message>
        <source>折射角θ2[rad]</source>
        <translation>Angle of refraction θ2 [rad]</translation>
    </message>
    <message>
        <source>布儒斯特角θb[rad]</source>
        <translation>Brewster angle θb [rad]</translation>
    </message>
    <message>
        <source>全反射临界角θc[rad]</source>
        <translation>Critical angle θc [rad]</translation>
    </message>
    <message>
        <source>受激布里渊散射</source>
        <translation>Stimulated Brillouin scattering</translation>
    </message>
    <message>
        <source>光纤长度L[m]</source>
        <translation>Fiber length L [m]</translation>
    </message>
    <message>
        <source>偏振因子K</source>
        <translation>Polarization factor K</translation>
    </message>
    <message>
        <source>纤芯折射率n</source>
        <translation>Core index n</translation>
    </message>
    <message>
        <source>放大器增益倍数G</source>
        <translation>Amplifier gain factor G</translation>
    </message>
    <message>
        <source>模场半径reff[m]</source>
        <translation>Mode-field radius reff [m]</translation>
    </message>
    <message>
        <source>声子寿命Tb</source>
        <translation>Phonon lifetime Tb</translation>
    </message>
    <message>
        <source>泵浦光波长λp[nm]</source>
        <translation>Pump wavelength λp [nm]</translation>
    </message>
    <message>
        <source>石英中声速va</source>
        <translation>Acoustic velocity in silica va</translation>
    </message>
    <message>
        <source>石英密度ρ</source>
        <translation>Density of silica ρ</translation>
    </message>
    <message>
        <source>布里渊频移Δb[Hz]</source>
        <translation>Brillouin shift Δb [Hz]</translation>
    </message>
    <message>
        <source>石英的电致伸缩常数γe</source>
        <translation>Electrostrictive constant of silica γe</translation>
    </message>
    <message>
        <source>布里渊峰值增益gb[dB]</source>
        <translation>Peak Brillouin gain gb [dB]</translation>
    </message>
    <message>
        <source>放大器SBS阈值Pth[W]</source>
        <translation>Amplifier SBS threshold Pth [W]</translation>
    </message>
    <message>
        <source>布里渊频移后波长λs[nm]</source>
        <translation>Brillouin Stokes wavelength λs [nm]</translation>
    </message>
    <message>
        <source>受激拉曼散射</source>
        <translation>Stimulated Raman scattering</translation>
    </message>
    <message>
        <source>高反光栅反射率R1</source>
        <translation>High-reflector reflectivity R1</translation>
    </message>
    <message>
        <source>拉曼增益系数gR[m/W]</source>
        <translation>Raman gain coefficient gR [m/W]</translation>
    </message>
    <message>
        <source>放大器增益G[dB]</source>
        <translation>Amplifier gain G [dB]</translation>
    </message>
    <message>
        <source>低反光栅反射率R2</source>
        <translation>Output-coupler reflectivity R2</translation>
    </message>
    <message>
        <source>泵浦光损耗系数αp[/m]</source>
        <translation>Pump loss coefficient αp [/m]</translation>
    </message>
    <message>
        <source>拉曼泵浦光损耗系数αs[/m]</source>
        <translation>Stokes loss coefficient αs [/m]</translation>
    </message>
    <message>
        <source>输出端拉曼光与信号光比例β</source>
        <translation>Raman-to-signal ratio at the output β</translation>
    </message>
    <message>
        <source>拉曼频移Δr[Hz]</source>
        <translation>Raman shift Δr [Hz]</translation>
    </message>
    <message>
        <source>传能光纤SRS阈值Pth_d[W]</source>
        <translation>Delivery-fiber SRS threshold Pth_d [W]</translation>
    </message>
    <message>
        <source>放大器SRS阈值Pth_a[W]</source>
        <translation>Amplifier SRS threshold Pth_a [W]</translation>
    </message>
    <message>
        <source>振荡器SRS阈值Pth_o[W]</source>
        <translation>Oscillator SRS threshold Pth_o [W]</translation>
    </message>
    <message>
        <source>拉曼频移后波长λs[nm]</source>
        <translation>Raman Stokes wavelength λs [nm]</translation>
    </message>
    <message>
        <source>非线性相移</source>
        <translation>Nonlinear phase shift</translation>
    </message>
    <message>
        <source>激光波长λ[nm]</source>
        <translation>Laser wavelength λ [nm]</translation>
    </message>
    <message>
        <source>光纤增益g[dB]</source>
        <translation>Fiber gain g [dB]</translation>
    </message>
    <message>
        <source>纤芯半径a[μm]</source>
        <translation>Core radius a [μm]</translation>
    </message>
    <message>
        <source>光纤损耗α[dB/m]</source>
        <translation>Fiber loss α [dB/m]</translation>
    </message>
    <message>
        <source>非线性折射率n2</source>
        <translation>Nonlinear index n2</translation>
    </message>
    <message>
        <source>脉冲峰值功率Ppeak[W]</source>
        <translation>Pulse peak power Ppeak [W]</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>纤芯面积A[m2]</source>
        <translation>Core area A [m2]</translation>
    </message>
    <message>
        <source>非线性参量γ</source>
        <translation>Nonlinear parameter γ</translation>
    </message>
    <message>
        <source>光纤有效长度Leff[m]</source>
        <translation>Effective length Leff [m]</translation>
    </message>
    <message>
        <source>非线性相移ψ</source>
        <translation>Nonlinear phase shift ψ</translation>
    </message>
    <message>
        <source>四波混频</source>
        <translation>Four-wave mixing</translation>
    </message>
    <message>
        <source>激光波长λ1[nm]</source>
        <translation>Wavelength λ1 [nm]</translation>
    </message>
    <message>
        <source>激光波长λ2[nm]</source>
        <translation>Wavelength λ2 [nm]</translation>
    </message>
    <message>
        <source>激光波长λ3[nm]</source>
        <translation>Wavelength λ3 [nm]</translation>
    </message>
    <message>
        <source>折射率n1</source>
        <translation>Index n1</translation>
    </message>
    <message>
        <source>折射率n2</source>
        <translation>Index n2</translation>
    </message>
    <message>
        <source>折射率n3</source>
        <translation>Index n3</translation>
    </message>
    <message>
        <source>相位匹配因子Δk</source>
        <translation>Phase mismatch Δk</translation>
    </message>
    <message>
        <source>掺杂浓度</source>
        <translation>Doping concentration</translation>
    </message>
    <message>
        <source>小信号吸收系数α@976nm[dB/m]</source>
        <translation>Small-signal absorption α@976nm [dB/m]</translation>
    </message>
    <message>
        <source>内包层半径b[μm]</source>
        <translation>Inner-cladding radius b [μm]</translation>
    </message>
    <message>
        <source>吸收截面σabs@976nm[1/m2]</source>
        <translation>Absorption cross-section σabs@976nm [1/m2]</translation>
    </message>
    <message>
        <source>增益光纤掺杂浓度N[/m3]</source>
        <translation>Doping concentration of the gain fiber N [/m3]</translation>
    </message>
    <message>
        <source>本征损耗</source>
        <translation>Intrinsic loss</translation>
    </message>
    <message>
        <source>输入激光功率Pin[W]</source>
        <translation>Input power Pin [W]</translation>
    </message>
    <message>
        <source>输出激光功率Pout[W]</source>
        <translation>Output power Pout [W]</translation>
    </message>
    <message>
        <source>总损耗αtotal[dB]</source>
        <translation>Total loss αtotal [dB]</translation>
    </message>
    <message>
        <source>平均损耗αave[dB/m]</source>
        <translation>Average loss αave [dB/m]</translation>
    </message>
    <message>
        <source>填充因子</source>
        <translation>Fill factor</translation>
    </message>
    <message>
        <source>填充因子γ</source>
        <translation>Fill factor γ</translation>
    </message>
    <message>
        <source>光纤端面反射率</source>
        <translation>End-face reflectivity</translation>
    </message>
    <message>
        <source>中心波长λ[nm]</source>
        <translation>Centre wavelength λ [nm]</translation>
    </message>
    <message>
        <source>纤芯折射率n1</source>
        <translation>Core index n1</translation>
    </message>
    <message>
        <source>包层折射率n2</source>
        <translation>Cladding index n2</translation>
    </message>
    <message>
        <source>端面角度θ[°]</source>
        <translation>End-face angle θ [°]</translation>
    </message>
    <message>
        <source>数值孔径NA</source>
        <translation>Numerical aperture NA</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>光纤端面振幅反馈系数r(θ)</source>
        <translation>End-face amplitude feedback r(θ)</translation>
    </message>
    <message>
        <source>光纤端面反射率R(θ)</source>
        <translation>End-face reflectivity R(θ)</translation>
    </message>
    <message>
        <source>等效折射率neff</source>
        <translation>Effective index neff</translation>
    </message>
    <message>
        <source>模式分布</source>
        <translation>Mode distribution</translation>
    </message>
    <message>
        <source>归一化截止频率V</source>
        <translation>Normalized frequency V</translation>
    </message>
    <message>
        <source>传导模数量N</source>
        <translation>Number of guided modes N</translation>
    </message>
    <message>
        <source>光束质量因子</source>
        <translation>Beam quality factor</translation>
    </message>
    <message>
        <source>输入模式功率比例（未保存）</source>
        <translation>Mode power weights (not saved)</translation>
    </message>
    <message>
        <source>x方向光束质量M2X</source>
        <translation>Beam quality in x M2X</translation>
    </message>
    <message>
        <source>y方向光束质量M2y</source>
        <translation>Beam quality in y M2y</translation>
    </message>
    <message>
        <source>弯曲损耗</source>
        <translation>Bend loss</translation>
    </message>
    <message>
        <source>弯曲半径R[m]</source>
        <translation>Bend radius R [m]</translation>
    </message>
    <message>
        <source>模式LP</source>
        <translation>Mode LP</translation>
    </message>
    <message>
        <source>传播常数β[1/m]</source>
        <translation>Propagation constant β [1/m]</translation>
    </message>
    <message>
        <source>弯曲损耗α[dB/m]</source>
        <translation>Bend loss α [dB/m]</translation>
    </message>
    <message>
        <source>高斯脉冲</source>
        <translation>Gaussian pulse</translation>
    </message>
    <message>
        <source>脉冲宽度τ[s]</source>
        <translation>Pulse width τ [s]</translation>
    </message>
    <message>
        <source>脉冲重复频率f[Hz]</source>
        <translation>Repetition rate f [Hz]</translation>
    </message>
    <message>
        <source>脉冲平均功率Pave[W]</source>
        <translation>Average power Pave [W]</translation>
    </message>
    <message>
        <source>脉冲能量E[J]</source>
        <translation>Pulse energy E [J]</translation>
    </message>
    <message>
        <source>峰值功率Ppeak[W]</source>
        <translation>Peak power Ppeak [W]</translation>
    </message>
    <message>
        <source>频率与相干性</source>
        <translation>Frequency and coherence</translation>
    </message>
    <message>
        <source>激光频率ν[Hz]</source>
        <translation>Laser frequency ν [Hz]</translation>
    </message>
    <message>
        <source>相干时间τc[s]</source>
        <translation>Coherence time τc [s]</translation>
    </message>
    <message>
        <source>波长间隔Δλ[nm]</source>
        <translation>Wavelength spacing Δλ [nm]</translation>
    </message>
    <message>
        <source>相干长度LC[m]</source>
        <translation>Coherence length LC [m]</translation>
    </message>
    <message>
        <source>纵模间隔</source>
        <translation>Longitudinal mode spacing</translation>
    </message>
    <message>
        <source>介质折射率n</source>
        <translation>Index of the medium n</translation>
    </message>
    <message>
        <source>腔长L[m]</source>
        <translation>Cavity length L [m]</translation>
    </message>
    <message>
        <source>纵模间隔Δν[Hz]</source>
        <translation>Mode spacing Δν [Hz]</translation>
    </message>
    <message>
        <source>光光效率</source>
        <translation>Optical efficiency</translation>
    </message>
    <message>
        <source>输入泵浦功率Ppump[W]</source>
        <translation>Pump power Ppump [W]</translation>
    </message>
    <message>
        <source>残余泵浦功率Pres[W]</source>
        <translation>Residual pump power Pres [W]</translation>
    </message>
    <message>
        <source>激光器效率ηo</source>
        <translation>Laser efficiency ηo</translation>
    </message>
    <message>
        <source>放大器效率ηa</source>
        <translation>Amplifier efficiency ηa</translation>
    </message>
    <message>
        <source>量子亏损</source>
        <translation>Quantum defect</translation>
    </message>
    <message>
        <source>泵浦光波长λ1[nm]</source>
        <translation>Pump wavelength λ1 [nm]</translation>
    </message>
    <message>
        <source>信号光波长λ2[nm]</source>
        <translation>Signal wavelength λ2 [nm]</translation>
    </message>
    <message>
        <source>量子亏损QD</source>
        <translation>Quantum defect QD</translation>
    </message>
    <message>
        <source>斯托克斯效率QR</source>
        <translation>Stokes efficiency QR</translation>
    </message>
    <message>
        <source>均匀双包层光纤</source>
        <translation>Uniform double-clad fiber</translation>
    </message>
    <message>
        <source>信号光波长[nm]</source>
        <translation>Signal wavelength [nm]</translation>
    </message>
    <message>
        <source>泵浦波长[nm]</source>
        <translation>Pump wavelength [nm]</translation>
    </message>
    <message>
        <source>泵浦包层半径b[μm]</source>
        <translation>Pump-cladding radius b [μm]</translation>
    </message>
    <message>
        <source>掺杂区域半径[μm]</source>
        <translation>Doped radius [μm]</translation>
    </message>
    <message>
        <source>数值孔径</source>
        <translation>Numerical aperture</translation>
    </message>
    <message>
        <source>初始信号光功率P[W]</source>
        <translation>Initial signal power P [W]</translation>
    </message>
    <message>
        <source>纤芯折射率</source>
        <translation>Core index</translation>
    </message>
    <message>
        <source>初始高阶模比例</source>
        <translation>Initial higher-order-mode fraction</translation>
    </message>
    <message>
        <source>相对强度噪声</source>
        <translation>Relative intensity noise</translation>
    </message>
    <message>
        <source>对流系数</source>
        <translation>Convective heat-transfer coefficient</translation>
    </message>
    <message>
        <source>热光系数</source>
        <translation>Thermo-optic coefficient</translation>
    </message>
    <message>
        <source>热导率</source>
        <translation>Thermal conductivity</translation>
    </message>
    <message>
        <source>密度与热容乘积</source>
        <translation>Density times heat capacity</translation>
    </message>
    <message>
        <source>非线性耦合系数极大值</source>
        <translation>Maximum nonlinear coupling coefficient</translation>
    </message>
    <message>
        <source>模式不稳定阈值功率</source>
        <translation>Mode-instability threshold power</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>精确模式特性</source>
        <translation>Exact mode properties</translation>
    </message>
    <message>
        <source>光纤放大器</source>
        <translation>Fiber amplifier</translation>
    </message>
    <message>
        <source>布里渊峰值增益gb[m/W]</source>
        <translation>Peak Brillouin gain gb [m/W]</translation>
    </message>
    <message>
        <source>放大器输入SRS阈值Pth_a[W]</source>
        <translation>Amplifier input SRS threshold Pth_a [W]</translation>
    </message>
    <message>
        <source>光纤增益系数g[1/m]</source>
        <translation>Fiber gain coefficient g [1/m]</translation>
    </message>
    <message>
        <source>光纤损耗系数α[1/m]</source>
        <translation>Fiber loss coefficient α [1/m]</translation>
    </message>
    <message>
        <source>吸收截面σabs@976nm[m2]</source>
        <translation>Absorption cross-section σabs@976nm [m2]</translation>
    </message>
    <message>
        <source>弯曲损耗系数α[1/m]</source>
        <translation>Bend loss coefficient α [1/m]</translation>
    </message>
    <message>
        <source>频移[kHz]</source>
        <translation>Frequency shift [kHz]</translation>
    </message>
    <message>
        <source>耦合系数χ[W^-1]</source>
        <translation>Coupling coefficient χ [W^-1]</translation>
    </message>
    <message>
        <source>信号光功率[W]</source>
        <translation>Signal power [W]</translation>
    </message>
    <message>
        <source>高阶模占功比</source>
        <translation>Higher-order-mode power fraction</translation>
    </message>
</context>
<context>
    <name>StaleResults</name>
    <message>
        <source>输入已修改：显示的结果属于上一次计算的输入，请重新计算</source>
        <translation>Inputs changed: the results shown belong to the inputs of the last calculation; calculate again</translation>
    </message>
</context>
<context>
    <name>SweepWindow</name>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>写入文件 %1 失败：%2</source>
        <translation>Writing the file %1 failed: %2</translation>
    </message>
    <message>
        <source>不支持的表格格式：%1（请用 .csv 或 .xlsx）</source>
        <translation>Unsupported table format: %1 (use .csv or .xlsx)</translation>
    </message>
    <message>
        <source>无法生成图片：%1</source>
        <translation>Cannot make the picture: %1</translation>
    </message>
    <message>
        <source>无法生成 SVG 图片</source>
        <translation>Cannot make the SVG picture</translation>
    </message>
    <message>
        <source>无法写入 PDF 文件 %1</source>
        <translation>Cannot write the PDF file %1</translation>
    </message>
    <message>
        <source>写入 PDF 文件 %1 失败</source>
        <translation>Writing the PDF file %1 failed</translation>
    </message>
    <message>
        <source>不支持的图片格式：%1（请用 .png、.jpg、.pdf 或 .svg）</source>
        <translation>Unsupported picture format: %1 (use .png, .jpg, .pdf or .svg)</translation>
    </message>
    <message>
        <source>参数扫描</source>
        <translation>Parameter sweep</translation>
    </message>
    <message>
        <source>对数间隔</source>
        <translation>Logarithmic spacing</translation>
    </message>
    <message>
        <source>对数纵轴</source>
        <translation>Logarithmic y axis</translation>
    </message>
    <message>
        <source>曲线输出（如增益谱）取值的横坐标，如信号波长</source>
        <translation>Abscissa at which a curve output (such as a gain spectrum) is read, e.g. the signal wavelength</translation>
    </message>
    <message>
        <source>开始扫描</source>
        <translation>Start sweep</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导出表格…</source>
        <translation>Export table…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export picture…</translation>
    </message>
    <message>
        <source>固定参数</source>
        <translation>Fixed input</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>（自定义）</source>
        <translation>(custom)</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>预设</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>扫描参数</source>
        <translation>Swept input</translation>
    </message>
    <message>
        <source>起点</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>终点</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>分组参数（每值一条曲线）</source>
        <translation>Group input (one curve per value)</translation>
    </message>
    <message>
        <source>分组数（0, 1, …）</source>
        <translation>Group values (0, 1, …)</translation>
    </message>
    <message>
        <source>输出（左轴）</source>
        <translation>Output (left axis)</translation>
    </message>
    <message>
        <source>输出（右轴）</source>
        <translation>Output (right axis)</translation>
    </message>
    <message>
        <source>曲线取值位置</source>
        <translation>Curve read at</translation>
    </message>
    <message>
        <source>请选择扫描参数和输出</source>
        <translation>Please choose the swept input and an output</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>导出表格</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export pictures</translation>
    </message>
    <message>
        <source>扫描已取消；图表是上一次扫描的结果</source>
        <translation>Sweep cancelled; the plot and table are those of the previous sweep</translation>
    </message>
    <message>
        <source>扫描已取消</source>
        <translation>Sweep cancelled</translation>
    </message>
</context>
<context>
    <name>bscoptlaw</name>
    <message>
        <source>反射折射</source>
        <translation>Reflection and refraction</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>角度值[°]</source>
        <translation>Degrees [°]</translation>
    </message>
    <message>
        <source>弧度值[rad]</source>
        <translation>Radians [rad]</translation>
    </message>
    <message>
        <source>几何光学参数--反射折射</source>
        <translation>Geometric optics -- reflection and refraction</translation>
    </message>
    <message>
        <source>折射率n</source>
        <translation>Index n</translation>
    </message>
    <message>
        <source>入射角θ</source>
        <translation>Incidence θ</translation>
    </message>
    <message>
        <source>折射角θ</source>
        <translation>Refraction θ</translation>
    </message>
    <message>
        <source>布儒斯特角θ</source>
        <translation>Brewster θ</translation>
    </message>
    <message>
        <source>全反射临界角θ</source>
        <translation>Critical θ</translation>
    </message>
</context>
<context>
    <name>fbamp</name>
    <message>
        <source>热负载q（合计）</source>
        <translation>heat load q (total)</translation>
    </message>
    <message>
        <source>量子亏损热</source>
        <translation>quantum-defect heat</translation>
    </message>
    <message>
        <source>逸出荧光</source>
        <translation>escaping fluorescence</translation>
    </message>
    <message>
        <source>选择截面数据文件</source>
        <translation>Choose a cross-section table</translation>
    </message>
    <message>
        <source>截面数据 (*.csv *.txt);;所有文件 (*)</source>
        <translation>Cross-section tables (*.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>内置镱截面数据</source>
        <translation>Built-in Yb cross-sections</translation>
    </message>
    <message>
        <source>计算中…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>迭代 %1 次，相对变化 %2</source>
        <translation>%1 iterations, relative change %2</translation>
    </message>
    <message>
        <source>完成：迭代 %1 次，网格 %2 段</source>
        <translation>Done: %1 iterations, %2 grid intervals</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>光纤</source>
        <translation>Fiber</translation>
    </message>
    <message>
        <source>泵浦与信号</source>
        <translation>Pump and signal</translation>
    </message>
    <message>
        <source>激光器</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>纤芯泵浦</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>包层泵浦</source>
        <translation>Cladding</translation>
    </message>
    <message>
        <source>放大器</source>
        <translation>Amplifier</translation>
    </message>
    <message>
        <source>光栅</source>
        <translation>Grating</translation>
    </message>
    <message>
        <source>光纤端面</source>
        <translation>End face</translation>
    </message>
    <message>
        <source>光纤放大器</source>
        <translation>Fiber amplifier</translation>
    </message>
    <message>
        <source>示例</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>载入截面数据…</source>
        <translation>Load cross-sections…</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>功率分布</source>
        <translation>Powers</translation>
    </message>
    <message>
        <source>反转粒子数</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>输出光谱</source>
        <translation>Output spectrum</translation>
    </message>
    <message>
        <source>热负载</source>
        <translation>Heat load</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>前向泵浦</source>
        <translation>forward pump</translation>
    </message>
    <message>
        <source>后向泵浦</source>
        <translation>backward pump</translation>
    </message>
    <message>
        <source>信号</source>
        <translation>signal</translation>
    </message>
    <message>
        <source>后向激光</source>
        <translation>backward laser</translation>
    </message>
    <message>
        <source>前向ASE</source>
        <translation>forward ASE</translation>
    </message>
    <message>
        <source>后向ASE</source>
        <translation>backward ASE</translation>
    </message>
    <message>
        <source>功率 (W)</source>
        <translation>Power (W)</translation>
    </message>
    <message>
        <source>波长 (nm)</source>
        <translation>Wavelength (nm)</translation>
    </message>
    <message>
        <source>每段功率 (dBm)</source>
        <translation>Power per bin (dBm)</translation>
    </message>
    <message>
        <source>热负载 q (W/m)</source>
        <translation>Heat load q (W/m)</translation>
    </message>
    <message>
        <source>纤芯半径</source>
        <translation>Core a</translation>
    </message>
    <message>
        <source>掺杂半径</source>
        <translation>Doped b</translation>
    </message>
    <message>
        <source>内包层半径</source>
        <translation>Cladding R</translation>
    </message>
    <message>
        <source>光纤长度</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>掺杂浓度</source>
        <translation>Yb Nt</translation>
    </message>
    <message>
        <source>背景损耗</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>上能级寿命</source>
        <translation>Lifetime τ</translation>
    </message>
    <message>
        <source>泵浦波长</source>
        <translation>Pump λ</translation>
    </message>
    <message>
        <source>前向泵浦功率</source>
        <translation>Fwd pump</translation>
    </message>
    <message>
        <source>后向泵浦功率</source>
        <translation>Bwd pump</translation>
    </message>
    <message>
        <source>泵浦方式</source>
        <translation>Pump guide</translation>
    </message>
    <message>
        <source>信号波长</source>
        <translation>Signal λ</translation>
    </message>
    <message>
        <source>信号功率</source>
        <translation>Signal P</translation>
    </message>
    <message>
        <source>ASE起始波长</source>
        <translation>ASE from</translation>
    </message>
    <message>
        <source>ASE终止波长</source>
        <translation>ASE to</translation>
    </message>
    <message>
        <source>工作方式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>谱密度 (dBm/nm)</source>
        <translation>Spectral density (dBm/nm)</translation>
    </message>
    <message>
        <source>信号 %1 nm</source>
        <translation>Signal %1 nm</translation>
    </message>
</context>
<context>
    <name>fblimits</name>
    <message>
        <source>光纤</source>
        <translation>Fiber</translation>
    </message>
    <message>
        <source>泵浦</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>信号</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>扫描范围</source>
        <translation>Scan ranges</translation>
    </message>
    <message>
        <source>计入的极限</source>
        <translation>Limits counted</translation>
    </message>
    <message>
        <source>扫描范围内的最佳设计</source>
        <translation>Best design in the scan</translation>
    </message>
    <message>
        <source>功率极限</source>
        <translation>Power limits</translation>
    </message>
    <message>
        <source>参数组</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>按吸收确定</source>
        <translation>absorbed</translation>
    </message>
    <message>
        <source>给定直径</source>
        <translation>given</translation>
    </message>
    <message>
        <source>材料常数</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>计算单个设计</source>
        <translation>One design</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>最大功率</source>
        <translation>P_max</translation>
    </message>
    <message>
        <source>限制因素</source>
        <translation>Binding</translation>
    </message>
    <message>
        <source>各极限</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>单个设计</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>纤芯直径 [μm]</source>
        <translation>core diameter [μm]</translation>
    </message>
    <message>
        <source>光纤长度 [m]</source>
        <translation>fiber length [m]</translation>
    </message>
    <message>
        <source>最大输出功率 [kW]</source>
        <translation>maximum output power [kW]</translation>
    </message>
    <message>
        <source>最佳设计</source>
        <translation>best design</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>扫描中…</source>
        <translation>Scanning…</translation>
    </message>
    <message>
        <source>扫描完成</source>
        <translation>Scan finished</translation>
    </message>
</context>
<context>
    <name>fbmode</name>
    <message>
        <source>精确模式特性</source>
        <translation>Exact modes</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>数值孔径NA</source>
        <translation>Aperture NA</translation>
    </message>
    <message>
        <source>纤芯折射率n</source>
        <translation>Core index n</translation>
    </message>
    <message>
        <source>包层折射率n</source>
        <translation>Cladding n</translation>
    </message>
    <message>
        <source>纤芯半径a[μm]</source>
        <translation>Radius a [μm]</translation>
    </message>
    <message>
        <source>激光波长λ[nm]</source>
        <translation>Wavel. λ [nm]</translation>
    </message>
    <message>
        <source>模式分布</source>
        <translation>Mode distribution</translation>
    </message>
    <message>
        <source>光纤模式参数--光纤模式</source>
        <translation>Fiber modes -- guided modes</translation>
    </message>
    <message>
        <source>输出项-导模传播常数和等效折射率</source>
        <translation>Outputs -- propagation constants and effective indices</translation>
    </message>
    <message>
        <source>归一化截止频率V</source>
        <translation>V number</translation>
    </message>
    <message>
        <source>传导模数量N</source>
        <translation>Guided modes N</translation>
    </message>
    <message>
        <source>简并态</source>
        <translation>E/O</translation>
    </message>
    <message>
        <source>显示纤芯半径</source>
        <translation>Core circle</translation>
    </message>
    <message>
        <source>模式特性</source>
        <translation>Mode field</translation>
    </message>
    <message>
        <source>光强</source>
        <translation>Intens.</translation>
    </message>
    <message>
        <source>振幅</source>
        <translation>Ampl.</translation>
    </message>
    <message>
        <source>相位</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>光束质量因子</source>
        <translation>Beam quality factor</translation>
    </message>
    <message>
        <source>光纤模式参数--光束质量</source>
        <translation>Fiber modes -- beam quality</translation>
    </message>
    <message>
        <source>输入项-模式功率占比权重因子(Pmn,n=1~4,m≠0时存在E-O方向简并态)</source>
        <translation>Inputs -- mode power weights Pmn (n = 1…4; E/O for m ≠ 0)</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>x方向光束质量M</source>
        <translation>x beam quality M</translation>
    </message>
    <message>
        <source>y方向光束质量M</source>
        <translation>y beam quality M</translation>
    </message>
    <message>
        <source>弯曲损耗</source>
        <translation>Bend loss</translation>
    </message>
    <message>
        <source>光纤模式参数-模式损耗</source>
        <translation>Fiber modes -- mode loss</translation>
    </message>
    <message>
        <source>弯曲半径R[m]</source>
        <translation>Bend radius R [m]</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode choice</translation>
    </message>
    <message>
        <source>模式LP</source>
        <translation>Mode LP</translation>
    </message>
    <message>
        <source>传播常数β[1/m]</source>
        <translation>Propagation β [1/m]</translation>
    </message>
    <message>
        <source>弯曲损耗系数α[1/m]</source>
        <translation>Bend loss α [1/m]</translation>
    </message>
    <message>
        <source>正在保存模式分布图…</source>
        <translation>Saving the mode maps…</translation>
    </message>
</context>
<context>
    <name>fbopt</name>
    <message>
        <source>数值孔径不超过0.5</source>
        <translation>The numerical aperture must not exceed 0.5</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>掺杂浓度</source>
        <translation>Doping concentration</translation>
    </message>
    <message>
        <source>光纤参数--掺杂浓度</source>
        <translation>Fiber parameters -- doping concentration</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>纤芯半径a[μm]</source>
        <translation>Core radius a [μm]</translation>
    </message>
    <message>
        <source>内包层半径b[μm]</source>
        <translation>Inner-cladding radius b [μm]</translation>
    </message>
    <message>
        <source>小信号吸收系数α@976nm[dB/m]</source>
        <translation>Absorption α@976nm [dB/m]</translation>
    </message>
    <message>
        <source>吸收截面σ</source>
        <translation>Cross-section σ</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>增益光纤掺杂浓度N[/m</source>
        <translation>Doping N [/m</translation>
    </message>
    <message>
        <source>本征损耗</source>
        <translation>Intrinsic loss</translation>
    </message>
    <message>
        <source>光纤参数--本征损耗</source>
        <translation>Fiber parameters -- intrinsic loss</translation>
    </message>
    <message>
        <source>输入激光功率P</source>
        <translation>Input power P</translation>
    </message>
    <message>
        <source>输出激光功率P</source>
        <translation>Output power P</translation>
    </message>
    <message>
        <source>光纤长度L[m]</source>
        <translation>Fiber length L [m]</translation>
    </message>
    <message>
        <source>总损耗α</source>
        <translation>Total loss α</translation>
    </message>
    <message>
        <source>平均损耗α</source>
        <translation>Average loss α</translation>
    </message>
    <message>
        <source>填充因子</source>
        <translation>Fill factor</translation>
    </message>
    <message>
        <source>光纤参数--填充因子</source>
        <translation>Fiber parameters -- fill factor</translation>
    </message>
    <message>
        <source>填充因子γ</source>
        <translation>Fill factor γ</translation>
    </message>
    <message>
        <source>光纤端面反射率</source>
        <translation>End-face reflectivity</translation>
    </message>
    <message>
        <source>光纤参数--端面反射率</source>
        <translation>Fiber parameters -- end-face reflectivity</translation>
    </message>
    <message>
        <source>中心波长λ[nm]</source>
        <translation>Centre wavelength λ [nm]</translation>
    </message>
    <message>
        <source>纤芯折射率n1</source>
        <translation>Core index n1</translation>
    </message>
    <message>
        <source>包层折射率n2</source>
        <translation>Cladding index n2</translation>
    </message>
    <message>
        <source>数值孔径NA</source>
        <translation>Aperture NA</translation>
    </message>
    <message>
        <source>端面角度θ[°]</source>
        <translation>End-face angle θ [°]</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode choice</translation>
    </message>
    <message>
        <source>模式LP</source>
        <translation>Mode LP</translation>
    </message>
    <message>
        <source>等效折射率neff</source>
        <translation>Effective index neff</translation>
    </message>
    <message>
        <source>光纤端面振幅反馈系数r(θ)</source>
        <translation>Amplitude feedback r(θ)</translation>
    </message>
    <message>
        <source>光纤端面反射率R(θ)</source>
        <translation>Reflectivity R(θ)</translation>
    </message>
</context>
<context>
    <name>nolinear</name>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>受激布里渊散射</source>
        <translation>SBS</translation>
    </message>
    <message>
        <source>非线性效应--受激布里渊散射(SBS)</source>
        <translation>Nonlinear effects -- stimulated Brillouin scattering (SBS)</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>布里渊峰值增益g</source>
        <translation>Peak Brillouin gain g</translation>
    </message>
    <message>
        <source>放大器SBS阈值P</source>
        <translation>SBS threshold P</translation>
    </message>
    <message>
        <source>布里渊频移后波长λ</source>
        <translation>Stokes wavelength λ</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>光纤长度L[m]</source>
        <translation>Fiber length L [m]</translation>
    </message>
    <message>
        <source>偏振因子K</source>
        <translation>Polarization factor K</translation>
    </message>
    <message>
        <source>纤芯折射率n</source>
        <translation>Core index n</translation>
    </message>
    <message>
        <source>放大器增益倍数G</source>
        <translation>Amplifier gain factor G</translation>
    </message>
    <message>
        <source>模场半径r</source>
        <translation>Mode-field radius r</translation>
    </message>
    <message>
        <source>声子寿命T</source>
        <translation>Phonon lifetime T</translation>
    </message>
    <message>
        <source>泵浦光波长λ</source>
        <translation>Pump wavelength λ</translation>
    </message>
    <message>
        <source>石英中声速v</source>
        <translation>Acoustic velocity v</translation>
    </message>
    <message>
        <source>石英密度ρ</source>
        <translation>Density of silica ρ</translation>
    </message>
    <message>
        <source>布里渊频移Δ</source>
        <translation>Brillouin shift Δ</translation>
    </message>
    <message>
        <source>石英的电致伸缩常数γ</source>
        <translation>Electrostrictive constant γ</translation>
    </message>
    <message>
        <source>受激拉曼散射</source>
        <translation>SRS</translation>
    </message>
    <message>
        <source>非线性效应--受激拉曼散射(SRS)</source>
        <translation>Nonlinear effects -- stimulated Raman scattering (SRS)</translation>
    </message>
    <message>
        <source>传能光纤SRS阈值P</source>
        <translation>Delivery fiber P</translation>
    </message>
    <message>
        <source>振荡器SRS阈值P</source>
        <translation>Oscillator P</translation>
    </message>
    <message>
        <source>拉曼频移后波长λ</source>
        <translation>Stokes λ</translation>
    </message>
    <message>
        <source>拉曼泵浦光损耗系数α</source>
        <translation>Stokes loss α</translation>
    </message>
    <message>
        <source>高反光栅反射率R</source>
        <translation>High reflector R</translation>
    </message>
    <message>
        <source>低反光栅反射率R</source>
        <translation>Output coupler R</translation>
    </message>
    <message>
        <source>拉曼增益系数g</source>
        <translation>Raman gain g</translation>
    </message>
    <message>
        <source>泵浦光损耗系数α</source>
        <translation>Pump loss α</translation>
    </message>
    <message>
        <source>输出端拉曼光与信号光比例β</source>
        <translation>Raman-to-signal ratio β</translation>
    </message>
    <message>
        <source>拉曼频移Δ</source>
        <translation>Raman shift Δ</translation>
    </message>
    <message>
        <source>非线性相移</source>
        <translation>Nonlinear phase</translation>
    </message>
    <message>
        <source>非线性效应--非线性相移</source>
        <translation>Nonlinear effects -- nonlinear phase shift</translation>
    </message>
    <message>
        <source>纤芯面积A[m</source>
        <translation>Core area A [m</translation>
    </message>
    <message>
        <source>非线性参量γ</source>
        <translation>Nonlinear parameter γ</translation>
    </message>
    <message>
        <source>光纤有效长度L</source>
        <translation>Effective length L</translation>
    </message>
    <message>
        <source>非线性相移ψ</source>
        <translation>Nonlinear phase ψ</translation>
    </message>
    <message>
        <source>激光波长λ[nm]</source>
        <translation>Wavelength λ [nm]</translation>
    </message>
    <message>
        <source>纤芯半径a[μm]</source>
        <translation>Core radius a [μm]</translation>
    </message>
    <message>
        <source>非线性折射率n</source>
        <translation>Nonlinear index n</translation>
    </message>
    <message>
        <source>脉冲峰值功率P</source>
        <translation>Peak power P</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>传输光纤</source>
        <translation>Transmission fiber</translation>
    </message>
    <message>
        <source>增益光纤</source>
        <translation>Gain fiber</translation>
    </message>
    <message>
        <source>四波混频</source>
        <translation>FWM</translation>
    </message>
    <message>
        <source>非线性效应--四波混频</source>
        <translation>Nonlinear effects -- four-wave mixing (FWM)</translation>
    </message>
    <message>
        <source>相位匹配因子Δk</source>
        <translation>Phase mismatch Δk</translation>
    </message>
    <message>
        <source>激光波长λ</source>
        <translation>Wavelength λ</translation>
    </message>
    <message>
        <source>折射率n</source>
        <translation>Index n</translation>
    </message>
    <message>
        <source>放大器输入SRS阈值P</source>
        <translation>Amplifier input P</translation>
    </message>
    <message>
        <source>光纤增益系数g[1/m]</source>
        <translation>Fiber gain g [1/m]</translation>
    </message>
    <message>
        <source>光纤损耗系数α[1/m]</source>
        <translation>Fiber loss α [1/m]</translation>
    </message>
</context>
<context>
    <name>threashold</name>
    <message>
        <source>计算中…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>信号光功率[W]</source>
        <translation>Signal power [W]</translation>
    </message>
    <message>
        <source>高阶模占功比</source>
        <translation>Higher-order-mode power fraction</translation>
    </message>
    <message>
        <source>均匀双包层光纤</source>
        <translation>Uniform double-clad fiber</translation>
    </message>
    <message>
        <source>模式不稳定效应--均匀双包层光纤</source>
        <translation>Mode instability -- uniform double-clad fiber</translation>
    </message>
    <message>
        <source>请稍候…</source>
        <translation>Please wait…</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>非线性耦合系数极大值</source>
        <translation>Max. coupling χ</translation>
    </message>
    <message>
        <source>模式不稳定阈值功率</source>
        <translation>MI threshold</translation>
    </message>
    <message>
        <source>输入项</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>纤芯半径a[μm]</source>
        <translation>Core radius a [μm]</translation>
    </message>
    <message>
        <source>信号光波长[nm]</source>
        <translation>Signal λ [nm]</translation>
    </message>
    <message>
        <source>泵浦波长[nm]</source>
        <translation>Pump λ [nm]</translation>
    </message>
    <message>
        <source>泵浦包层半径b[μm]</source>
        <translation>Cladding b [μm]</translation>
    </message>
    <message>
        <source>掺杂区域半径[μm]</source>
        <translation>Doped radius [μm]</translation>
    </message>
    <message>
        <source>数值孔径</source>
        <translation>Core NA</translation>
    </message>
    <message>
        <source>初始信号光功率P[W]</source>
        <translation>Seed power P [W]</translation>
    </message>
    <message>
        <source>纤芯折射率</source>
        <translation>Core index</translation>
    </message>
    <message>
        <source>初始高阶模比例</source>
        <translation>HOM fraction η₀</translation>
    </message>
    <message>
        <source>相对强度噪声</source>
        <translation>Intensity noise</translation>
    </message>
    <message>
        <source>对流换热系数</source>
        <translation>Convection h</translation>
    </message>
    <message>
        <source>热光系数</source>
        <translation>Thermo-optic</translation>
    </message>
    <message>
        <source>热导率</source>
        <translation>Conductivity κ</translation>
    </message>
    <message>
        <source>密度与热容乘积</source>
        <translation>Heat cap. ρC</translation>
    </message>
    <message>
        <source>频移[kHz]</source>
        <translation>Frequency shift [kHz]</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>文件名为空</source>
        <translation>The file name is empty</translation>
    </message>
    <message>
        <source>同名目录已存在</source>
        <translation>A folder of that name exists</translation>
    </message>
    <message>
        <source>临时文件未创建</source>
        <translation>The temporary file was not created</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>图片保存在指定目录下</source>
        <translation>The pictures were saved in the chosen folder</translation>
    </message>
    <message>
        <source>请先点击计算按钮再保存图片</source>
        <translation>Press Calculate before saving the pictures</translation>
    </message>
    <message>
        <source>当前选项卡中无图片数据导出</source>
        <translation>This tab has no pictures to export</translation>
    </message>
    <message>
        <source>当前选项卡无图片导出.
</source>
        <translation>This page has no pictures to export.
</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export pictures</translation>
    </message>
    <message>
        <source>当前选项卡没有可导出的数据</source>
        <translation>This tab has no data to export</translation>
    </message>
    <message numerus="yes">
        <source>图片导出已取消，已保存%n张图片</source>
        <translation>
            <numerusform>Picture export cancelled; %n picture saved</numerusform>
            <numerusform>Picture export cancelled; %n pictures saved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>……共%n个文件未保存</source>
        <translation>
            <numerusform>… %n file not saved in all</numerusform>
            <numerusform>… %n files not saved in all</numerusform>
        </translation>
    </message>
    <message>
        <source>以下图片未能保存：
</source>
        <translation>These pictures could not be saved:
</translation>
    </message>
</context>
<context>
    <name>PictureFileName</name>
    <message>
        <source>最大输出功率图</source>
        <translation>maximum_power_map</translation>
    </message>
    <message>
        <source>限制因素图</source>
        <translation>binding_limit_map</translation>
    </message>
    <message>
        <source>各极限与纤芯直径</source>
        <translation>limits_vs_core_diameter</translation>
    </message>
    <message>
        <source>脉冲时域</source>
        <translation>pulse_time</translation>
    </message>
    <message>
        <source>脉冲光谱</source>
        <translation>pulse_spectrum</translation>
    </message>
    <message>
        <source>放大器功率分布</source>
        <translation>amplifier_power</translation>
    </message>
    <message>
        <source>放大器反转粒子数</source>
        <translation>amplifier_inversion</translation>
    </message>
    <message>
        <source>放大器输出光谱</source>
        <translation>amplifier_output_spectrum</translation>
    </message>
    <message>
        <source>放大器热负载</source>
        <translation>amplifier_heat_load</translation>
    </message>
    <message>
        <source>模式功率比例图</source>
        <translation>mode_power_fractions</translation>
    </message>
    <message>
        <source>小信号增益</source>
        <translation>small_signal_gain</translation>
    </message>
    <message>
        <source>非线性耦合系数</source>
        <translation>nonlinear_coupling</translation>
    </message>
    <message>
        <source>模式不稳定阈值</source>
        <translation>mode_instability_threshold</translation>
    </message>
</context>
<context>
    <name>PlotPicture</name>
    <message>
        <source>没有可保存的图</source>
        <translation>There is no plot to save</translation>
    </message>
    <message>
        <source>图片写入失败</source>
        <translation>The picture could not be written</translation>
    </message>
    <message>
        <source>写入的图片不完整</source>
        <translation>The written picture is incomplete</translation>
    </message>
</context>
<context>
    <name>SheetWriter</name>
    <message>
        <source>无法创建工作簿</source>
        <translation>Cannot create the workbook</translation>
    </message>
</context>
<context>
    <name>pulseamp</name>
    <message>
        <source>计算中…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>完成：%1 步</source>
        <translation>Done: %1 steps</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>input</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>output</translation>
    </message>
    <message>
        <source>时间 (ps)</source>
        <translation>time (ps)</translation>
    </message>
    <message>
        <source>功率 (W)</source>
        <translation>power (W)</translation>
    </message>
    <message>
        <source>波长 (nm)</source>
        <translation>wavelength (nm)</translation>
    </message>
    <message>
        <source>能量谱密度 (dB pJ/nm)</source>
        <translation>spectral energy density (dB pJ/nm)</translation>
    </message>
    <message>
        <source>脉冲</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>光纤</source>
        <translation>Fiber</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Numerics</translation>
    </message>
    <message>
        <source>双曲正割</source>
        <translation>sech</translation>
    </message>
    <message>
        <source>高斯</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>超高斯</source>
        <translation>super-Gaussian</translation>
    </message>
    <message>
        <source>Blow–Wood</source>
        <translation>Blow–Wood</translation>
    </message>
    <message>
        <source>Lin–Agrawal</source>
        <translation>Lin–Agrawal</translation>
    </message>
    <message>
        <source>Hollenbeck–Cantrell</source>
        <translation>Hollenbeck–Cantrell</translation>
    </message>
    <message>
        <source>无拉曼</source>
        <translation>no Raman</translation>
    </message>
    <message>
        <source>脉冲传输</source>
        <translation>Pulse propagation</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>时域</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>光谱</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>输出项</source>
        <translation>Results</translation>
    </message>
</context>
</TS>

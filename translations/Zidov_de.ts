<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EqWin</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source Crop Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal Length Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal Length End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No of Lenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diffraction Spot Diameter Factor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainWin</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance from Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance from focus plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOF Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;z&lt;/span&gt;&lt;span style=&quot; font-size:7pt;&quot;&gt;c&lt;/span&gt;&lt;span style=&quot; font-size:6pt;&quot;&gt; &lt;/span&gt;&lt;span style=&quot; font-size:8pt;&quot;&gt;Scale&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to hyperfocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calc with diffraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by crop factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by pixel size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by view distace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circel of Confusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Coc by crop factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56x56mm 6x6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48x35mm Digital-MF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45x30mm Leica S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0 Full Frame (3:2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.3 APS-H (3:2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5 APS-C (3:2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.6 APS-C (3:2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.0 Four Thirds (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2/3&quot; (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1.8&quot; (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/2.5&quot; (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/2.7&quot; (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/3&quot; (4:3) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/3.2&quot; (4:3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set CoC by pixel size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Mill. Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set CoC by view distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;---&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFScale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F-Lenght</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set by view distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set CoC by crop factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set CoC by Pixelsize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64 Mill Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 Mill Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show auto optimizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Expert Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equivalency Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to hyperfocal (none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to hyperfocal (</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>opti</name>
    <message>
        <source>Auto optimizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zc [-]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight [0-1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>References</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

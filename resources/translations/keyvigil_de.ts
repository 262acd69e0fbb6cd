<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>Keyvigil Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find in page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text on this page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the page before (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help&apos;s start page (Alt+Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find text on this page (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller text (Ctrl+-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text at its normal size (Ctrl+0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger text (Ctrl++)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyvigilPrefView</name>
    <message>
        <source>Keyvigil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Keyvigil, now and at every login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you close this window, Keyvigil Helper starts watching the keyboard in the background, and starts again at every login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Keyvigil, now and at every login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvigil is paused while this window is open, so that you can try settings without being warned. It starts when you close the window, if “Start Keyvigil” is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvigil is paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on Keyvigil running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvigil settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capital letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn after &amp;typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn when this many capital letters are typed in a row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn about capital letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many capitals in a row make a warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capitals in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capitals in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn at &amp;most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit how often one run of capitals is warned about.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most warnings during one run of capitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings per run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times in one run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on capital letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caps Lock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do when Caps Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn once when it goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn until it goes off again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Num Lock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to do when Num Lock goes on. Warning until it goes off needs a sound other than the system alert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on Caps Lock and Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to warn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a &amp;sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound with each warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The warning sound. Choosing one plays it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Alert Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The warning sound&apos;s volume; the system alert plays at its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flash the top of the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash a strip across the top of the screen with each warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash the top of the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a desktop &amp;notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a notification with each warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a desktop notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how-to-warn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on how Keyvigil warns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indicators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel icon: turns red while on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps &amp;Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel icon shows Caps Lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel icon for Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;hift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel icon shows Shift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel icon for Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;um Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel icon shows Num Lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel icon for Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the tray icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large picture in the middle of the screen while on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Loc&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a large Caps Lock picture while Caps Lock is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre picture for Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num L&amp;ock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a large Num Lock picture while Num Lock is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre picture for Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the centre image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small window in the upper-left corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;aps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A red cell while Caps Lock (or Shift) is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner window: Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A red cell while Num Lock is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner window: Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift, Control, Alt, Super and &amp;Fn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell for each of the other modifier keys while held.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner window: other keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw ou&amp;tlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outline the window and its cells in light grey.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner window outlines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview of the corner window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview, 8 times its size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper-left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the upper-left window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xclusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t count the capitals of these &amp;words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capitals that spell one of these words do not count towards a warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UniqueWord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words whose capitals are not counted; at most as long as the warning count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a word: type it into the new row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>excluded-words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on excluded words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excluded applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing typed while one of these applications is in front is counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonalphabetized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications in which capitals are not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd Application…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose applications to exclude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected applications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application list error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyvigil does not count the capitals typed in the applications you choose. Choose several at once with Ctrl or Shift.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>excluded-applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on excluded applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capitals typed with &amp;Shift (count only Caps Lock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only capitals typed with Caps Lock on count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude Shift capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys typed with &amp;Control or Super held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts such as Ctrl+S are not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys that type &amp;no printable character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return, Tab, arrows and the like are not counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude non-printing keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exclusion-rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the exclusion rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for the administrator&apos;s password, after you confirm, to let Keyvigil read the keyboard or to take that access back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow or take back keyboard access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accessibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on keyboard access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no update service for this system; the setting is kept for other systems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help and support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The support mail holds your settings, Keyvigil&apos;s lines from this boot&apos;s journal and its crash reports, so that a problem can be understood. Your mail program opens it for you to read and change before you send it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email Support…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a new message to support@keyvigil.org in your mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on help and support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock warning choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock warning choices without a looping sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusItem</name>
    <message>
        <source>Caps Lock and Num Lock are on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift is held down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No watched key is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings paused until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Keyvigil Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Warnings for 5 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

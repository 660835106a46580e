<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I really hope you don&apos;t need help with this simple program, but if you do here is how to use it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1- Fill in all the neccecerry Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2- Press the &quot;TELL ME NOW&quot; button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3- Repeat as neccecerry.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Dovrik&apos;s Software Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To begin, click next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phase2</name>
    <message>
        <source>Dovrik&apos;s Software Sweepwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will uninstall all of my software that may be installed on your system, it will delete any trace of it, it will be as if it never existed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you absolutly sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO! Your programs are great and I want to keep them all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES! get your crap off of my computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Velmo</name>
    <message>
        <source>Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where and when is the event?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I will tell you what you probably already know!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCULATING CURRENT TIME, PLEASE WAIT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is it you are going to?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Month is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What day is it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
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
        <source>21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start? Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What time is it supposed to start? Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TELL ME NOW!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long until the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurYear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurMon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurDay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurHour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurMin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CurSec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MonName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MinNow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DaysInMon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HourNow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM_PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndMonNum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndMon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndDays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FinalHours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FinalMinutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndDayInMon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndMinCalc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndHours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndMinutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month (Name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute (with &quot;0&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>^^ Current hour in AM/PM format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month is in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndDays       EndHours        EndMinutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora for Windows version 1.0         (Orvanta 3.0)                                        Made in 2012 by Dovrik Quenby                                           This was compiled at 6:00pm April 3, 2012</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail Me! dovrik@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to my website: www.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: I am sure this has untold bugs, dont bother me with them, email me and get the source code and fix them yourself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
